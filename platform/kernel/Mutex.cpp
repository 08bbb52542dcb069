#include "platform/kernel/Mutex.h"

#include "platform/kernel/KernelObjects.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/RuntimeFolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

class NamedMutex final : public KernelObject {
public:
    explicit NamedMutex(int fd) : m_fd(fd) {}
    ~NamedMutex() override {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }

private:
    int m_fd;
};

// Mutex names may hold any character but the separator; a slash would leave the folder.
std::string LockFileName(const char* name) {
    std::string file;
    for (const char* c = name; *c != '\0'; ++c) {
        file.push_back(*c == '/' || *c == '\\' ? '_' : *c);
    }
    return file + ".lock";
}

} // namespace

HANDLE CreateMutexA(SECURITY_ATTRIBUTES*, BOOL, const char* name) {
    if (name == nullptr || *name == '\0') {
        // An unnamed mutex cannot be shared, so it can never already exist.
        SetLastError(ERROR_SUCCESS);
        return AddKernelObject(std::make_unique<NamedMutex>(-1));
    }
    std::string folder = UserRuntimeFolder();
    if (folder.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return HANDLE{};
    }
    std::string path = folder + "/" + LockFileName(name);
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return HANDLE{};
    }
    bool exists = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    HANDLE handle = AddKernelObject(std::make_unique<NamedMutex>(fd));
    SetLastError(exists ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}
