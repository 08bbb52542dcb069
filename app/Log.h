#pragma once
// The diagnostic log: one line per step of start-up and of every display update, written
// beside the executable only when the program was started with DEBUG on its command line.

#include <string>

// Set once by the entry point, before the main window exists.
extern bool bDebugLog;

// Appends "<timestamp> - <text>" to the log file; does nothing while the log is off. The file
// is opened and closed around each line, so a crash loses no line already written. A file that
// cannot be opened drops the line silently.
void WriteLog(const char* text);
void WriteLog(const std::string& text);
