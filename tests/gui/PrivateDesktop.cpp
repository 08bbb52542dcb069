#include "tests/gui/PrivateDesktop.h"

#include "tests/backend-qt/XProbe.h"
#include "tests/backend-qt/Xvfb.h"
#include "tests/gui/Eventually.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

PrivateDesktop::PrivateDesktop() {
    m_server = StartXvfb(std::to_string(kWidth) + "x" + std::to_string(kHeight) + "x24");
    if (!m_server) {
        throw std::runtime_error("Xvfb did not start");
    }
    char colour[16];
    std::snprintf(colour, sizeof colour, "#%06X", unsigned(kColour));
    if (std::system(("xsetroot -solid '" + std::string(colour) + "'").c_str()) != 0) {
        throw std::runtime_error("xsetroot could not colour the desktop");
    }
    m_tray = std::make_unique<ChildProcess>(std::vector<std::string>{
        "trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24",
        "--transparent", "false", "--tint", "0x404040", "--expand", "true"});
    XProbe x;
    if (!Eventually([&] { return x.SelectionOwned("_NET_SYSTEM_TRAY_S0"); }, 10000)) {
        throw std::runtime_error("trayer did not take the tray selection");
    }
}
