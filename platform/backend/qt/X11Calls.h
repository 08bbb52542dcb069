#pragma once
// What the backend asks of the X server past Qt. Every call but XServerAnswers does nothing on
// another platform plugin.

class QWidget;
struct xcb_connection_t;

// The application's connection to the X server; null on another platform plugin. It lasts as
// long as the application object.
xcb_connection_t* XConnection();

// Returns once the X server has carried out every request sent so far, so drawing that Qt
// flushed is on the screen.
void SyncWithXServer();

// Whether the X server has the key of this keycode down now; false without an X server.
bool KeyHeldOnServer(unsigned keycode);

// Whether an X event (an xcb_generic_event_t) says that another client's grab took the
// pointer or the keyboard away from a window: a leave or a focus loss in grab mode, from the
// core protocol or from XInput 2, which Qt uses for the pointer where the server has it.
bool IsLossToGrab(const void* event);

// Gives the window the keyboard focus now. Qt asks for it with the time of the last event it
// saw, which the X server refuses when another client took the focus since.
void FocusOnServer(QWidget& widget);

// Sends the requests Qt has buffered so far on the connection; nothing without one.
void FlushToXServer(xcb_connection_t* connection);

// Asks taskbars and pagers to leave the window out. The window must not be mapped: a window
// manager reads _NET_WM_STATE when the window is mapped and owns it afterwards.
void MarkSkipTaskbar(QWidget& widget);

// True when the X server `display` names (as DISPLAY would) accepts a connection. Asked before
// Qt starts, which ends the process when it cannot reach its display.
bool XServerAnswers(const char* display);
