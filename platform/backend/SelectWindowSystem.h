#pragma once

// Installs the window system HUSHWAVE_BACKEND names: "headless", or "qt" where it was built.
// Without the variable the Qt one is used when a display is there, the headless one otherwise.
// Windows made before are handed to it. Returns false, having said so in one line on standard
// error, when the display Qt would use cannot be opened; nothing is installed then.
bool InstallWindowSystemFromEnvironment(int& argc, char** argv);

// Ends the window system in use while the libraries beneath it are still whole, before the
// process's static objects go; the headless one stands in for whatever runs after.
void ShutDownWindowSystem();
