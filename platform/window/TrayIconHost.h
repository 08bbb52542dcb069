#pragma once
// What the window system shows in the notification area and the popup menus it tracks. The
// tray icon component keeps its state here and hears of clicks through TrayIconClient.

#include "platform/graphics/Surface.h"
#include "platform/kernel/Types.h"

#include <string>
#include <vector>

struct PopupMenuEntry {
    std::string caption; // "-" is a separator
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};

struct TrayIconState {
    bool visible = false;
    Surface icon; // 16 x 16
    std::string hint;
    friend bool operator==(const TrayIconState&, const TrayIconState&) = default;
};

enum class TrayEvent { LeftDown, LeftUp, RightDown, RightUp, LeftDoubleClick };

class TrayIconClient {
public:
    virtual ~TrayIconClient();
    // `at` is the pointer's screen position.
    virtual void TrayEventArrived(TrayEvent event, POINT at) = 0;
};
