#include "platform/kernel/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

std::string UserRuntimeFolder() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg != nullptr && *xdg == '/') {
        return xdg;
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = std::string(tmp != nullptr && *tmp == '/' ? tmp : "/tmp") + "/hushwave-" +
                         std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
        (info.st_mode & 077) != 0) {
        return {};
    }
    return folder;
}
