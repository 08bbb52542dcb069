#pragma once

#include <string>

// The per-user folder for files the program keeps between runs: $XDG_STATE_HOME/hushwave, else
// $HOME/.local/state/hushwave (a relative XDG_STATE_HOME is ignored, as the XDG rules say).
// Empty when neither variable names an absolute path. The folder is not created here.
std::string UserStateFolder();

// Creates the folder and the missing folders above it with mode 0700; true when it exists as a
// folder afterwards.
bool MakePrivateFolders(const std::string& folder);
