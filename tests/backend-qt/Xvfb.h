#pragma once

#include "tests/backend-qt/ChildProcess.h"

#include <memory>
#include <string>

// Starts a private Xvfb on a display number it picks itself, with one screen of `screen`
// (for example "1024x768x24"), waits until it accepts clients and points DISPLAY at it. The
// server runs until the object goes; null when it did not start.
std::unique_ptr<ChildProcess> StartXvfb(const std::string& screen);
