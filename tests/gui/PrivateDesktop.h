#pragma once

#include "tests/backend-qt/ChildProcess.h"

#include <cstdint>
#include <memory>

// A private X server for one test: a desktop of one solid colour, without a window manager,
// and a tray host (trayer) along the top edge at the right. DISPLAY names it while it lives.
class PrivateDesktop {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;
    // A grey that the skin does not use.
    static constexpr uint32_t kColour = 0x808080;

    // Throws std::runtime_error when the server or the tray host does not come up.
    PrivateDesktop();

private:
    std::unique_ptr<ChildProcess> m_server;
    std::unique_ptr<ChildProcess> m_tray;
};
