// Runs the real executable and the real message tool as separate processes.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_runtime = std::filesystem::temp_directory_path() /
                    ("hushwave-process-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_runtime);
    }
    void TearDown() override {
        for (pid_t pid : m_started) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        std::filesystem::remove_all(m_runtime);
    }

    pid_t Start(const std::vector<std::string>& args) {
        pid_t pid = fork();
        if (pid == 0) {
            setenv("XDG_RUNTIME_DIR", m_runtime.c_str(), 1);
            setenv("HUSHWAVE_BACKEND", "headless", 1);
            std::vector<char*> argv;
            for (const std::string& a : args) {
                argv.push_back(const_cast<char*>(a.c_str()));
            }
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        m_started.push_back(pid);
        return pid;
    }

    // Waits for the process to end; returns its exit code, or -1 when it still runs.
    int WaitFor(pid_t pid, std::chrono::milliseconds patience) {
        auto until = std::chrono::steady_clock::now() + patience;
        int status = 0;
        while (std::chrono::steady_clock::now() < until) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::erase(m_started, pid);
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }

    bool WaitForSocket() {
        for (int i = 0; i < 500; ++i) {
            if (std::filesystem::exists(m_runtime / "hushwave.sock")) {
                return true;
            }
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    int Message(const std::string& word) { return WaitFor(Start({HUSHWAVE_MSG, word}), 10s); }

    std::filesystem::path m_runtime;
    std::vector<pid_t> m_started;
};

TEST_F(ProcessTest, SecondInstanceExitsAtOnceAndQuitEndsTheFirst) {
    pid_t first = Start({HUSHWAVE_EXE});
    ASSERT_TRUE(WaitForSocket());

    pid_t second = Start({HUSHWAVE_EXE, "DEBUG"});
    EXPECT_EQ(WaitFor(second, 5s), 0);
    EXPECT_EQ(WaitFor(first, 100ms), -1) << "the first instance keeps running";

    for (const char* ignored : {"1026", "1028", "1029", "1031", "minimize", "restore", "front"}) {
        EXPECT_EQ(Message(ignored), 0) << ignored;
    }
    // Garbage straight on the socket changes nothing either.
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, (m_runtime / "hushwave.sock").c_str());
    ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const char garbage[] = "\x01\xff quit 1024 \n";
    send(fd, garbage, sizeof garbage, MSG_NOSIGNAL);
    close(fd);
    EXPECT_EQ(Message("16"), 1) << "system messages are refused";
    EXPECT_EQ(WaitFor(first, 200ms), -1);

    EXPECT_EQ(Message("quit"), 0);
    EXPECT_EQ(WaitFor(first, 10s), 0);
}

TEST_F(ProcessTest, MessageToolSaysWhenNothingRuns) {
    EXPECT_EQ(Message("quit"), 1);
    EXPECT_EQ(Message("bogus"), 2);
}

} // namespace
