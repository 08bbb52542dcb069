#pragma once

#include "platform/window/TrayIconHost.h"

#include <vector>

// Shows the entries as a Qt menu at a screen position until the user picks one or dismisses
// the menu; returns the index of the entry picked, or -1.
int ExecPopupMenu(const std::vector<PopupMenuEntry>& entries, POINT at);
