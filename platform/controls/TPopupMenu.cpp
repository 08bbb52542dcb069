#include "platform/controls/TPopupMenu.h"

#include "platform/window/WindowSystem.h"

TPopupMenu::TPopupMenu(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() {
    Destroying();
    FItems.reset();
}

void TPopupMenu::Popup(int X, int Y) {
    if (OnPopup) {
        OnPopup(this);
    }
    std::vector<PopupMenuEntry> entries;
    for (int i = 0; i < FItems->Count(); ++i) {
        const TMenuItem* item = FItems->Items(i);
        entries.push_back(
            PopupMenuEntry{item->Caption(), item->Enabled(), item->Visible(), item->Checked()});
    }
    int chosen = CurrentWindowSystem().TrackPopupMenu(entries, POINT{X, Y});
    // The items may have changed while the menu was up; a choice that no longer names one is
    // dropped.
    if (chosen >= 0 && chosen < FItems->Count()) {
        TMenuItem* item = FItems->Items(chosen);
        if (item->Visible()) {
            item->Click();
        }
    }
}
