#pragma once
// A menu shown at a point of the screen on request. The window system shows its visible items
// (one level) and answers with the one the user picked, whose OnClick then fires.

#include "platform/controls/TMenuItem.h"
#include "platform/core/Events.h"
#include "platform/core/TComponent.h"

#include <memory>

class TPopupMenu : public TComponent {
public:
    HUSHWAVE_CLASS_NAME(TPopupMenu)

    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // The root item; its items are the menu's entries.
    TMenuItem* Items() const { return FItems.get(); }

    // Screen coordinates. Fires OnPopup before the menu is shown.
    virtual void Popup(int X, int Y);

    TNotifyEvent OnPopup;

private:
    std::unique_ptr<TMenuItem> FItems;
};
