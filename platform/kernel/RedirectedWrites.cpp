#include "platform/kernel/RedirectedWrites.h"

#include "platform/kernel/Process.h"
#include "platform/kernel/StateFolder.h"

#include <sys/auxv.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

// The C library's own fopen, under the name the linker gives it when --wrap=fopen routes every
// other call to __wrap_fopen.
extern "C" FILE* __real_fopen(const char* path, const char* mode);

extern "C" FILE* __wrap_fopen(const char* path, const char* mode) {
    return OpenRedirectingWrites(path, mode);
}

namespace {

bool OpensForWriting(const char* mode) {
    return std::strpbrk(mode, "wa+") != nullptr;
}

bool IsRefusal(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

bool InExecutableFolder(const std::filesystem::path& file) {
    const std::string exe = ApplicationExeName();
    if (exe.empty()) {
        return false;
    }
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::error_code error;
    return std::filesystem::equivalent(folder, std::filesystem::path(exe).parent_path(), error);
}

} // namespace

FILE* OpenRedirectingWrites(const char* path, const char* mode) {
    FILE* file = __real_fopen(path, mode);
    if (file != nullptr || !IsRefusal(errno) || !OpensForWriting(mode)) {
        return file;
    }
    const int refusal = errno;
    // A program started with more privilege than its caller (set-user-id, file capabilities)
    // must not write where the caller's environment points it.
    if (getauxval(AT_SECURE) != 0) {
        errno = refusal;
        return nullptr;
    }
    const std::filesystem::path requested(path);
    const std::string store = UserStateFolder();
    if (InExecutableFolder(requested) && !store.empty() && MakePrivateFolders(store)) {
        const std::string redirected = store + "/" + requested.filename().string();
        file = __real_fopen(redirected.c_str(), mode);
    }
    if (file == nullptr) {
        errno = refusal;
    }
    return file;
}
