#pragma once
// Named mutexes that span processes: an exclusive lock on a file named after the mutex in the
// user's runtime folder. The system drops the lock when the process ends, however it ends.

#include "platform/kernel/Handle.h"
#include "platform/kernel/Types.h"

struct SECURITY_ATTRIBUTES;

// Returns a handle in every case where the lock file can be opened; when another holder has the
// mutex, GetLastError() reports ERROR_ALREADY_EXISTS. Returns null on other failures.
HANDLE CreateMutexA(SECURITY_ATTRIBUTES* attributes, BOOL initialOwner, const char* name);
