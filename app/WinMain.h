#pragma once

// The program's entry: the command-line text is what follows the program's name. Returns the
// exit code, 0 on every path.
int WinMain(const char* lpCmdLine);
