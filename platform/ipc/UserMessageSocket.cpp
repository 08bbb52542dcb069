#include "platform/ipc/UserMessageSocket.h"

#include "platform/kernel/RuntimeFolder.h"
#include "platform/window/Messages.h"

std::string UserMessageSocketPath(const std::string& programName) {
    std::string folder = UserRuntimeFolder();
    return folder.empty() ? std::string() : folder + "/" + programName + ".sock";
}

std::optional<unsigned> ParseUserMessageLine(std::string_view line) {
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    if (line.empty() || line.size() > 10) {
        return std::nullopt;
    }
    unsigned long long value = 0;
    for (char c : line) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    return static_cast<unsigned>(value);
}

bool IsPostableFromOutside(unsigned message) {
    return message >= WM_USER && message <= 0x7FFF;
}
