#include "tests/backend-qt/Xvfb.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>

std::unique_ptr<ChildProcess> StartXvfb(const std::string& screen) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        return nullptr;
    }
    // -noreset: the server keeps its state, the root window's colour among it, when its last
    // client leaves.
    auto server = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0",
                                 screen, "-nolisten", "tcp", "-noreset"},
        pipeFds[1]);
    close(pipeFds[1]);
    std::string number;
    pollfd p{pipeFds[0], POLLIN, 0};
    char c;
    while (poll(&p, 1, 20000) == 1 && read(pipeFds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(pipeFds[0]);
    if (number.empty()) {
        return nullptr;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return server;
}
