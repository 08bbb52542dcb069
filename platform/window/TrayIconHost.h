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
    friend bool operator==(const PopupMenuEntry&, const PopupMenuEntry&) = default;
};

struct TrayIconState {
    bool visible = false;
    Surface icon; // 16 x 16
    std::string hint;
    // The icon's menu, for a tray host that shows menus itself instead of reporting clicks.
    std::vector<PopupMenuEntry> menu;
    friend bool operator==(const TrayIconState&, const TrayIconState&) = default;
};

enum class TrayEvent { LeftDown, LeftUp, RightDown, RightUp, LeftDoubleClick };

class TrayIconClient {
public:
    virtual ~TrayIconClient();
    // `at` is the pointer's screen position.
    virtual void TrayEventArrived(TrayEvent event, POINT at) = 0;
    // The user picked entry `index` of the state's menu in a menu the tray host showed.
    virtual void TrayMenuEntryChosen(int index) = 0;
};
