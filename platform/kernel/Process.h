#pragma once
// Facts about the running process that the class library exposes.

#include <string>

// The executable's full path (Application->ExeName).
std::string ApplicationExeName();

// Replaces the executable's path, so tests can place the log and the libraries beside a chosen
// path; an empty text restores the real one.
void SetExeNameForTesting(std::string path);
