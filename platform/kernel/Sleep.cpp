#include "platform/kernel/Sleep.h"

#include "platform/kernel/Clock.h"

void Sleep(DWORD ms) {
    CurrentClock().Sleep(ms);
}

DWORD GetTickCount() {
    return static_cast<DWORD>(CurrentClock().NowMs());
}
