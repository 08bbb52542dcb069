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
    EntryChosen(CurrentWindowSystem().TrackPopupMenu(Entries(), POINT{X, Y}));
}

std::vector<PopupMenuEntry> TPopupMenu::Entries() const {
    std::vector<PopupMenuEntry> entries;
    for (int i = 0; i < FItems->Count(); ++i) {
        const TMenuItem* item = FItems->Items(i);
        entries.push_back(
            PopupMenuEntry{item->Caption(), item->Enabled(), item->Visible(), item->Checked()});
    }
    return entries;
}

void TPopupMenu::EntryChosen(int Index) {
    if (Index >= 0 && Index < FItems->Count()) {
        TMenuItem* item = FItems->Items(Index);
        if (item->Visible()) {
            item->Click();
        }
    }
}
