// Runs the real executable and the real message tool as separate processes.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
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

    // Starts a program with the runtime folder of the test and the headless window system,
    // unless `environment` says otherwise; its standard error goes to `errors` when given.
    pid_t Start(const std::vector<std::string>& args,
                const std::vector<std::pair<std::string, std::string>>& environment = {},
                const std::filesystem::path& errors = {}) {
        pid_t pid = fork();
        if (pid == 0) {
            setenv("XDG_RUNTIME_DIR", m_runtime.c_str(), 1);
            setenv("HUSHWAVE_BACKEND", "headless", 1);
            for (const auto& [name, value] : environment) {
                if (value.empty()) {
                    unsetenv(name.c_str());
                } else {
                    setenv(name.c_str(), value.c_str(), 1);
                }
            }
            if (!errors.empty()) {
                int fd = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                dup2(fd, 2);
                close(fd);
            }
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

    // The program and its libraries copied to a folder of the test's own, so that its log,
    // which lies beside the executable, is the test's too.
    std::string StagedCopy() {
        std::filesystem::path stage = std::filesystem::path(HUSHWAVE_EXE).parent_path();
        std::filesystem::copy(stage, m_runtime / "stage", std::filesystem::copy_options::recursive);
        return (m_runtime / "stage" / "hushwave").string();
    }

    std::string Text(const std::filesystem::path& file) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
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
        for (int i = 0; i < 5000; ++i) {
            if (std::filesystem::exists(m_runtime / "hushwave.sock")) {
                return true;
            }
            std::this_thread::sleep_for(1ms);
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

// A display nobody serves: a local X display number far above any that runs here.
const std::pair<std::string, std::string> kDeadDisplay[] = {{"HUSHWAVE_BACKEND", ""},
                                                            {"DISPLAY", ":4711"},
                                                            {"WAYLAND_DISPLAY", ""},
                                                            {"QT_QPA_PLATFORM", ""}};

#ifdef HUSHWAVE_WITH_QT
TEST_F(ProcessTest, DisplayThatCannotBeOpenedIsOneLineAndCodeOne) {
    std::filesystem::path errors = m_runtime / "errors";
    pid_t pid = Start({HUSHWAVE_EXE},
                      std::vector<std::pair<std::string, std::string>>(std::begin(kDeadDisplay),
                                                                       std::end(kDeadDisplay)),
                      errors);
    EXPECT_EQ(WaitFor(pid, 10s), 1) << "not a crash";
    EXPECT_EQ(Text(errors), "hushwave: cannot open the display \":4711\"\n");
}

TEST_F(ProcessTest, SecondStartOnADeadDisplayExitsAtOnce) {
    pid_t first = Start({HUSHWAVE_EXE});
    ASSERT_TRUE(WaitForSocket());
    std::filesystem::path errors = m_runtime / "errors";
    pid_t second = Start({HUSHWAVE_EXE},
                         std::vector<std::pair<std::string, std::string>>(std::begin(kDeadDisplay),
                                                                          std::end(kDeadDisplay)),
                         errors);
    EXPECT_EQ(WaitFor(second, 5s), 0);
    EXPECT_EQ(Text(errors), "") << "the display is never asked for";
    EXPECT_EQ(Message("quit"), 0);
    EXPECT_EQ(WaitFor(first, 10s), 0);
}

// Qt takes -qwindowtitle and its value out of the arguments; the program reads them first.
TEST_F(ProcessTest, DebugIsFoundAmongTheWindowSystemsOwnOptions) {
    std::string exe = StagedCopy();
    pid_t pid =
        Start({exe, "-qwindowtitle", "DEBUG"},
              {{"HUSHWAVE_BACKEND", "qt"}, {"QT_QPA_PLATFORM", "offscreen"}}, m_runtime / "errors");
    ASSERT_TRUE(WaitForSocket());
    EXPECT_EQ(Message("quit"), 0);
    EXPECT_EQ(WaitFor(pid, 10s), 0);
    EXPECT_NE(Text(m_runtime / "stage" / "hushwave.log").find(" - TTfrmMain constructor.\n"),
              std::string::npos);
}
#endif

// The message endpoint opens with the single-instance lock; a quit sent while the first
// sweep runs is answered and ends the program when its loop first runs.
TEST_F(ProcessTest, QuitSentDuringStartUpEndsTheProgramRightAfterIt) {
    std::string exe = StagedCopy();
    std::filesystem::path log = m_runtime / "stage" / "hushwave.log";
    pid_t pid = Start({exe, "DEBUG"});
    ASSERT_TRUE(WaitForSocket());
    pid_t message = Start({HUSHWAVE_MSG, "quit"});
    bool duringStartUp = Text(log).find("TTfrmMain constructor complete.") == std::string::npos;
    EXPECT_EQ(WaitFor(message, 10s), 0) << "answered";
    EXPECT_EQ(WaitFor(pid, 10s), 0);
    ASSERT_TRUE(duringStartUp) << "the message came too late to tell";
    std::string text = Text(log);
    EXPECT_TRUE(text.ends_with(" - TTfrmMain constructor complete.\n"))
        << "no display update after the start-up:\n"
        << text;
}

TEST_F(ProcessTest, MessageToolSaysWhenNothingRuns) {
    EXPECT_EQ(Message("quit"), 1);
    EXPECT_EQ(Message("bogus"), 2);
}

} // namespace
