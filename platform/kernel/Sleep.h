#pragma once

#include "platform/kernel/Types.h"

// Blocks the calling thread; no messages are delivered meanwhile.
void Sleep(DWORD ms);
// Milliseconds since an arbitrary origin, from the current clock.
DWORD GetTickCount();
