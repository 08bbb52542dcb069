#include "platform/msrhelper/HelperProcess.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace msrhelper {

namespace {

// The helper answers in microseconds; its first answer follows its start-up. Whatever takes
// longer than this is a helper that no longer works.
constexpr int kAnswerTimeoutMs = 1000;
// How long a helper whose socket closed gets to end by itself before it is killed.
constexpr auto kExitGrace = std::chrono::milliseconds(500);

bool WaitReadable(int fd, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::max<int64_t>(left.count(), 0)));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        return ready > 0;
    }
}

} // namespace

std::string HelperBeside(const std::string& executablePath) {
    const size_t slash = executablePath.rfind('/');
    if (!executablePath.starts_with('/') || slash == std::string::npos) {
        return {};
    }
    return executablePath.substr(0, slash + 1) + kHelperName;
}

std::unique_ptr<HelperProcess> HelperProcess::Start(const std::string& path,
                                                    const std::optional<StandIns>& standIns) {
    int sockets[2];
    if (!path.starts_with('/') ||
        socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, sockets) != 0) {
        return nullptr;
    }
    std::vector<std::string> arguments = {path};
    if (standIns) {
        arguments.insert(arguments.end(), {"--stand-in", standIns->msrDevice, standIns->dmiTable});
    }
    std::vector<char*> argv;
    for (std::string& a : arguments) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    char* noEnvironment[] = {nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, sockets[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, sockets[1], STDOUT_FILENO);
    // Neither the caller's blocked signals nor the ones it ignores pass to the helper.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    const int failed =
        posix_spawn(&pid, path.c_str(), &actions, &attributes, argv.data(), noEnvironment);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(sockets[1]);
    if (failed != 0) {
        close(sockets[0]);
        return nullptr;
    }
    return std::unique_ptr<HelperProcess>(new HelperProcess(pid, sockets[0]));
}

HelperProcess::~HelperProcess() {
    End();
}

std::optional<Answer> HelperProcess::Ask(const Request& request) {
    if (m_socket < 0) {
        return std::nullopt;
    }
    const Record record = EncodeRequest(request);
    ssize_t sent = -1;
    do {
        sent = send(m_socket, record.data(), record.size(), MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    // One byte more than a record, so that a longer message shows as one.
    uint8_t message[kRecordSize + 1];
    ssize_t received = -1;
    if (sent == ssize_t(record.size()) && WaitReadable(m_socket, kAnswerTimeoutMs)) {
        do {
            received = recv(m_socket, message, sizeof message, MSG_DONTWAIT);
        } while (received < 0 && errno == EINTR);
    }
    std::optional<Answer> answer =
        received > 0 ? ReadAnswer({message, static_cast<size_t>(received)}) : std::nullopt;
    if (!answer || answer->question != static_cast<uint8_t>(request.question)) {
        End();
        return std::nullopt;
    }
    return answer;
}

std::optional<std::array<uint8_t, 8>> HelperProcess::ReadFidVidStatus() {
    std::optional<Answer> answer = Ask({Question::ReadMsr, kFidVidStatusMsr});
    if (!answer || answer->status != Status::Answered) {
        return std::nullopt;
    }
    return answer->value;
}

std::optional<uint16_t> HelperProcess::ExternalClockMHz() {
    std::optional<Answer> answer = Ask({Question::ExternalClock, 0});
    if (!answer || answer->status != Status::Answered) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(answer->value[0] | answer->value[1] << 8);
}

void HelperProcess::End() {
    if (m_socket < 0) {
        return;
    }
    close(m_socket);
    m_socket = -1;
    const auto deadline = std::chrono::steady_clock::now() + kExitGrace;
    pid_t ended = 0;
    while ((ended = waitpid(m_pid, nullptr, WNOHANG)) == 0 || (ended < 0 && errno == EINTR)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace msrhelper
