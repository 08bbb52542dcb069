#pragma once

#include <poll.h>

#include <span>

// Runs Qt's event dispatcher until one of the descriptors is readable, Qt handled an event
// (input, painting, the tray), or the time-out (milliseconds, -1 for none) passed. Returns the
// number of ready descriptors with their revents filled in, as poll() does.
int WaitForEvents(std::span<pollfd> fds, int timeoutMs);
