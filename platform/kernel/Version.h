#pragma once
// The operating-system version query. This platform reports the NT family; tests select the
// Windows 9x family to run the programs' other path.

#include "platform/kernel/Types.h"

constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    char szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFOA) == 148);

// Fails (FALSE, ERROR_INVALID_PARAMETER) unless the size field holds the structure's size.
BOOL GetVersionExA(OSVERSIONINFOA* info);

// 0 restores the platform's own family.
void SetPlatformIdForTesting(DWORD platformId);
