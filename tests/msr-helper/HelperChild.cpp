#include "tests/msr-helper/HelperChild.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr auto kPatience = std::chrono::seconds(2);

} // namespace

HelperChild::HelperChild(const std::vector<std::string>& command)
    : m_errorFile(testing::TempDir() + "helper-errors-" + std::to_string(getpid()) + "-" +
                  std::to_string(reinterpret_cast<uintptr_t>(this))) {
    int sockets[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, sockets) != 0) {
        return;
    }
    std::vector<std::string> arguments = command;
    std::vector<char*> argv;
    for (std::string& a : arguments) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    char* environment[] = {nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, sockets[1], 0);
    posix_spawn_file_actions_adddup2(&actions, sockets[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, m_errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environment) != 0) {
        m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(sockets[1]);
    m_socket = sockets[0];
}

HelperChild::~HelperChild() {
    ClosePipe();
    if (m_pid > 0 && !ExitStatus()) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    std::filesystem::remove(m_errorFile);
}

std::optional<std::vector<uint8_t>> HelperChild::Exchange(std::span<const uint8_t> message) {
    if (m_socket < 0 ||
        send(m_socket, message.data(), message.size(), MSG_NOSIGNAL) != ssize_t(message.size())) {
        return std::nullopt;
    }
    pollfd p{m_socket, POLLIN, 0};
    if (poll(&p, 1, std::chrono::milliseconds(kPatience).count()) != 1) {
        return std::nullopt;
    }
    std::vector<uint8_t> answer(256);
    const ssize_t size = recv(m_socket, answer.data(), answer.size(), MSG_DONTWAIT);
    if (size <= 0) {
        return std::nullopt;
    }
    answer.resize(size);
    return answer;
}

void HelperChild::ClosePipe() {
    if (m_socket >= 0) {
        close(m_socket);
        m_socket = -1;
    }
}

std::optional<int> HelperChild::ExitStatus() {
    if (m_exitStatus || m_pid <= 0) {
        return m_exitStatus;
    }
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    do {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return m_exitStatus;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

std::string HelperChild::Errors() const {
    std::ifstream in(m_errorFile);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

namespace {

// A process may end between the listing of /proc and the read of its file: its file then
// reads as empty instead of failing the read.
std::string ReadProcFile(const std::filesystem::path& path) {
    std::string text;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return text;
    }
    char buffer[512];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, size_t(got));
    }
    ::close(fd);
    return got < 0 ? std::string() : text;
}

} // namespace

std::vector<pid_t> HelperChildren() {
    std::vector<pid_t> children;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        // "pid (comm) state ppid ...": the name may hold spaces, so read from the last ')'.
        const std::string stat = ReadProcFile(entry.path() / "stat");
        const size_t open = stat.find('('), close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos ||
            stat.substr(open + 1, close - open - 1) != "hushwave-msr") {
            continue;
        }
        char state = 0;
        int parent = 0;
        if (std::sscanf(stat.c_str() + close + 1, " %c %d", &state, &parent) == 2 &&
            parent == getpid() && state != 'Z') {
            children.push_back(std::stoi(name));
        }
    }
    return children;
}
