#pragma once

#include "platform/dialogs/MessageBoxRecord.h"

class QWidget;

// Shows the box as a modal Qt message box over `parent` (none: over every window) and returns
// the button chosen as IDOK, IDCANCEL, ...
int ExecMessageBox(const MessageBoxRecord& box, QWidget* parent);
