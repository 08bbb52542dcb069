#include "platform/kernel/StateFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

std::string UserStateFolder() {
    const char* xdg = std::getenv("XDG_STATE_HOME");
    if (xdg != nullptr && *xdg == '/') {
        return std::string(xdg) + "/hushwave";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home == '/') {
        return std::string(home) + "/.local/state/hushwave";
    }
    return {};
}

bool MakePrivateFolders(const std::string& folder) {
    for (size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        std::string prefix = folder.substr(0, end);
        if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (end == std::string::npos) {
            break;
        }
    }
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
