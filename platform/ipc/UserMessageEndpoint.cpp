#include "platform/ipc/UserMessageEndpoint.h"

#include "platform/ipc/UserMessageSocket.h"
#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/WindowCalls.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr size_t kMaxLine = 32;
constexpr size_t kMaxPeers = 8;
constexpr uint64_t kPeerTimeMs = 1000;

bool FillAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A socket file nobody answers on is left over from a process that ended without cleaning up.
bool IsStale(const sockaddr_un& address) {
    int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0) {
        return false;
    }
    bool refused =
        connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
        errno == ECONNREFUSED;
    close(probe);
    return refused;
}

} // namespace

UserMessageEndpoint::UserMessageEndpoint(std::string path, HWND window)
    : m_path(std::move(path)), m_window(window) {
    // The socket listens under a name of its own first and takes the path only then, so a
    // peer that finds the path always finds a listener behind it.
    const std::string staging = m_path + "~";
    sockaddr_un address, stagingAddress;
    if (!FillAddress(m_path, address) || !FillAddress(staging, stagingAddress)) {
        return;
    }
    if (access(m_path.c_str(), F_OK) == 0 && !IsStale(address)) {
        return;
    }
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    unlink(staging.c_str());
    mode_t old = umask(0177); // the socket file is created with mode 0600
    int bound = bind(fd, reinterpret_cast<sockaddr*>(&stagingAddress), sizeof stagingAddress);
    umask(old);
    if (bound != 0 || listen(fd, static_cast<int>(kMaxPeers)) != 0 ||
        rename(staging.c_str(), m_path.c_str()) != 0) {
        close(fd);
        unlink(staging.c_str());
        return;
    }
    m_listener = fd;
    if (m_window) {
        MessageLoop::Instance().WatchReadable(m_listener, [this] { Accept(); });
    }
}

void UserMessageEndpoint::SetWindow(HWND window) {
    bool serving = static_cast<bool>(m_window);
    m_window = window;
    if (m_listener >= 0 && !serving && m_window) {
        MessageLoop::Instance().WatchReadable(m_listener, [this] { Accept(); });
    }
}

UserMessageEndpoint::~UserMessageEndpoint() {
    MessageLoop& loop = MessageLoop::Instance();
    if (m_sweepTimer != 0) {
        loop.KillTimer(m_sweepTimer);
    }
    while (!m_peers.empty()) {
        Drop(m_peers.begin()->first);
    }
    if (m_listener >= 0) {
        loop.Unwatch(m_listener);
        close(m_listener);
        unlink(m_path.c_str());
    }
}

void UserMessageEndpoint::Accept() {
    int fd = accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        return;
    }
    if (m_peers.size() >= kMaxPeers) {
        close(fd);
        return;
    }
    m_peers[fd] = Peer{{}, CurrentClock().NowMs() + kPeerTimeMs};
    MessageLoop::Instance().WatchReadable(fd, [this, fd] { Read(fd); });
    if (m_sweepTimer == 0) {
        m_sweepTimer = MessageLoop::Instance().SetTimer(250, [this] { DropLatePeers(); });
    }
}

void UserMessageEndpoint::Read(int fd) {
    auto it = m_peers.find(fd);
    if (it == m_peers.end()) {
        return;
    }
    char buffer[kMaxLine + 1];
    ssize_t count = recv(fd, buffer, sizeof buffer, 0);
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    if (count > 0) {
        it->second.received.append(buffer, static_cast<size_t>(count));
    }
    std::string& line = it->second.received;
    bool complete = count == 0 || line.find('\n') != std::string::npos;
    if (line.size() > kMaxLine || count < 0) {
        Drop(fd);
        return;
    }
    if (!complete) {
        return;
    }
    std::optional<unsigned> number = ParseUserMessageLine(line);
    if (number && IsPostableFromOutside(*number) && PostMessageA(m_window, *number, 0, 0)) {
        Answer(fd, "ok\n");
    } else {
        Answer(fd, "refused\n");
    }
    Drop(fd);
}

void UserMessageEndpoint::Answer(int fd, const char* reply) {
    // The peer may already be gone; a short reply fits the socket buffer or is lost.
    send(fd, reply, std::strlen(reply), MSG_NOSIGNAL | MSG_DONTWAIT);
}

void UserMessageEndpoint::Drop(int fd) {
    MessageLoop::Instance().Unwatch(fd);
    close(fd);
    m_peers.erase(fd);
}

void UserMessageEndpoint::DropLatePeers() {
    uint64_t now = CurrentClock().NowMs();
    for (auto it = m_peers.begin(); it != m_peers.end();) {
        int fd = it->first;
        bool late = it->second.deadline <= now;
        ++it;
        if (late) {
            Drop(fd);
        }
    }
    if (m_peers.empty()) {
        MessageLoop::Instance().KillTimer(m_sweepTimer);
        m_sweepTimer = 0;
    }
}
