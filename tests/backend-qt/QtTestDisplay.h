#pragma once
// The display the Qt window system runs on in these tests: a private Xvfb, never the user's
// own display, so nothing shows on the user's desktop and no window manager interferes. The Qt
// window system is installed once for the whole program.

#include "tests/SkipOrFail.h"

#include <functional>
#include <string>

bool QtDisplayReady();

// Lets the window system handle its events for that long.
void PumpFor(int ms);
// Handles events until `done` holds or `ms` passed; returns whether it holds.
bool PumpUntil(const std::function<bool()>& done, int ms = 5000);
// Runs xdotool with the arguments; true when it succeeded.
bool Xdotool(const std::string& arguments);

#define SKIP_WITHOUT_DISPLAY()                                                                     \
    if (!QtDisplayReady())                                                                         \
    SKIP_OR_FAIL("no private X display: Xvfb is not on PATH or did not start")
