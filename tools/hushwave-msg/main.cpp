// hushwave-msg: posts a window message to the running instance of the program.
//   hushwave-msg quit|minimize|restore|front|NUMBER

#include "platform/ipc/UserMessageSocket.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

constexpr unsigned kUser = 0x400;

const std::map<std::string, unsigned> kNames = {
    {"quit", kUser + 0},
    {"minimize", kUser + 1},
    {"restore", kUser + 3},
    {"front", kUser + 6},
};

int Usage() {
    std::fprintf(stderr, "usage: hushwave-msg quit|minimize|restore|front|NUMBER\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return Usage();
    }
    std::string word = argv[1];
    unsigned message;
    if (auto named = kNames.find(word); named != kNames.end()) {
        message = named->second;
    } else if (auto number = ParseUserMessageLine(word)) {
        message = *number;
    } else {
        return Usage();
    }

    std::string path = UserMessageSocketPath("hushwave");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        std::fprintf(stderr, "hushwave-msg: no runtime folder to find the program in\n");
        return 1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        std::fprintf(stderr, "hushwave-msg: hushwave is not running (nothing listens on %s)\n",
                     path.c_str());
        return 1;
    }
    timeval patience{5, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    std::string line = std::to_string(message) + "\n";
    char reply[16] = {};
    bool sent =
        send(fd, line.data(), line.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(line.size());
    ssize_t got = sent ? recv(fd, reply, sizeof reply - 1, 0) : -1;
    close(fd);
    if (got <= 0) {
        std::fprintf(stderr, "hushwave-msg: hushwave did not answer\n");
        return 1;
    }
    if (std::strncmp(reply, "ok", 2) != 0) {
        std::fprintf(stderr, "hushwave-msg: hushwave refused message %u\n", message);
        return 1;
    }
    return 0;
}
