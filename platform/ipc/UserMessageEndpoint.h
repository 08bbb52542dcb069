#pragma once
// The listening end of the user-message socket, served from the message loop. It never
// blocks the loop: descriptors are non-blocking, a peer has one second and 32 bytes to send
// its line, and at most eight peers wait at once; whoever breaks these rules is dropped.

#include "platform/kernel/Handle.h"

#include <map>
#include <memory>
#include <string>

class UserMessageEndpoint {
public:
    // Listens on `path` for messages to `window`; Listening() tells whether that worked
    // (another live listener keeps the path and this endpoint stays closed). Without a window
    // peers can already connect, and wait in the listen queue until SetWindow.
    UserMessageEndpoint(std::string path, HWND window);
    ~UserMessageEndpoint();
    UserMessageEndpoint(const UserMessageEndpoint&) = delete;
    UserMessageEndpoint& operator=(const UserMessageEndpoint&) = delete;

    bool Listening() const { return m_listener >= 0; }
    // Names the window messages go to and starts answering peers, those waiting first.
    void SetWindow(HWND window);

private:
    struct Peer {
        std::string received;
        uint64_t deadline;
    };

    void Accept();
    void Read(int fd);
    void Drop(int fd);
    void DropLatePeers();
    void Answer(int fd, const char* reply);

    std::string m_path;
    HWND m_window;
    int m_listener = -1;
    std::map<int, Peer> m_peers;
    uintptr_t m_sweepTimer = 0;
};
