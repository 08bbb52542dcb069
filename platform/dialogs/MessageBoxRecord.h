#pragma once

#include "platform/kernel/Handle.h"
#include "platform/kernel/Types.h"

#include <string>

struct MessageBoxRecord {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type = 0;
};
