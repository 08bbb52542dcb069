#pragma once
// A menu shown at a point of the screen on request. The window system shows its visible items
// (one level) and answers with the one the user picked, whose OnClick then fires.

#include "platform/controls/TMenuItem.h"
#include "platform/core/Events.h"
#include "platform/core/TComponent.h"
#include "platform/window/TrayIconHost.h"

#include <memory>
#include <vector>

class TPopupMenu : public TComponent {
public:
    HUSHWAVE_CLASS_NAME(TPopupMenu)

    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // The root item; its items are the menu's entries.
    TMenuItem* Items() const { return FItems.get(); }

    // Screen coordinates. Fires OnPopup before the menu is shown.
    virtual void Popup(int X, int Y);

    // The entries as a window system shows them, one per item, in order.
    std::vector<PopupMenuEntry> Entries() const;
    // The user picked entry Index of a menu shown with Entries: the item's OnClick fires. The
    // items may have changed while the menu was up; a choice that no longer names a visible item
    // is dropped.
    void EntryChosen(int Index);

    TNotifyEvent OnPopup;

private:
    std::unique_ptr<TMenuItem> FItems;
};
