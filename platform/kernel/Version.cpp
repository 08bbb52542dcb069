#include "platform/kernel/Version.h"

#include "platform/kernel/LastError.h"

#include <sys/utsname.h>

#include <cstdio>
#include <cstring>

namespace {
DWORD platformOverride = 0;
}

BOOL GetVersionExA(OSVERSIONINFOA* info) {
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    utsname system{};
    unsigned major = 0, minor = 0, build = 0;
    if (uname(&system) == 0) {
        std::sscanf(system.release, "%u.%u.%u", &major, &minor, &build);
    }
    info->dwMajorVersion = major;
    info->dwMinorVersion = minor;
    info->dwBuildNumber = build;
    info->dwPlatformId = platformOverride != 0 ? platformOverride : VER_PLATFORM_WIN32_NT;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    return TRUE;
}

void SetPlatformIdForTesting(DWORD platformId) {
    platformOverride = platformId;
}
