#pragma once
// What the backend asks of the X server past Qt. Every call but XServerAnswers does nothing on
// another platform plugin.

class QWidget;

// Returns once the X server has carried out every request sent so far, so drawing that Qt
// flushed is on the screen.
void SyncWithXServer();

// Sends the requests Qt has buffered so far.
void FlushToXServer();

// Asks taskbars and pagers to leave the window out. The window must not be mapped: a window
// manager reads _NET_WM_STATE when the window is mapped and owns it afterwards.
void MarkSkipTaskbar(QWidget& widget);

// True when the X server `display` names (as DISPLAY would) accepts a connection. Asked before
// Qt starts, which ends the process when it cannot reach its display.
bool XServerAnswers(const char* display);
