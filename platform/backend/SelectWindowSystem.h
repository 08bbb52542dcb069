#pragma once

// Installs the window system HUSHWAVE_BACKEND names: "headless", or "qt" where it was built.
// Without the variable the Qt one is used when a display is there, the headless one otherwise.
void InstallWindowSystemFromEnvironment(int& argc, char** argv);
