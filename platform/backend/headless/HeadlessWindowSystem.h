#pragma once
// The window system without a display: windows exist only as the platform's records, message
// boxes are written to standard error as one line each and answered with their default button,
// and waiting is the current clock's, so a virtual clock makes waits instant.

#include "platform/window/WindowSystem.h"

class HeadlessWindowSystem final : public WindowSystem {
public:
    std::string Name() const override { return "headless"; }
    RECT ScreenBounds() const override { return RECT{0, 0, 1280, 1024}; }
    int ShowMessageBox(const MessageBoxRecord& box) override;
    int Wait(std::span<pollfd> fds, int timeoutMs) override;
    void StartSystemMove(Window& window) override;

    // How many system moves were asked for; a move itself needs a pointer to follow.
    int SystemMoveCount() const { return m_systemMoves; }

private:
    int m_systemMoves = 0;
};
