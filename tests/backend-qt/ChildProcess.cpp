#include "tests/backend-qt/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

ChildProcess::ChildProcess(const std::vector<std::string>& argv, int inheritedFd) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        if (inheritedFd >= 0) {
            fcntl(inheritedFd, F_SETFD, 0);
        }
        execvp(args[0], args.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

int ChildProcess::WaitForExit(int timeoutMs) {
    for (int waited = 0; m_pid > 0; waited += 10) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (waited >= timeoutMs) {
            break;
        }
        usleep(10000);
    }
    return -1;
}

bool ProgramOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (!folder.empty() && access((folder + "/" + name).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

std::string FirstMissingProgram(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (!ProgramOnPath(name)) {
            return name;
        }
    }
    return {};
}
