#include "platform/controls/TMenuItem.h"

#include "platform/core/Exception.h"

#include <algorithm>

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    Destroying();
    while (!FItems.empty()) {
        TMenuItem* last = FItems.back();
        Remove(last);
        Free(last);
    }
    if (FParent != nullptr) {
        FParent->Remove(this);
    }
}

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count()) {
        throw EListError("Menu index out of range (" + std::to_string(Index) + ")");
    }
    return FItems[static_cast<size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item) {
    for (TMenuItem* up = this; up != nullptr; up = up->FParent) {
        if (up == Item) {
            throw EInvalidOperation("A menu item cannot hold itself");
        }
    }
    if (Item->FParent != nullptr) {
        Item->FParent->Remove(Item);
    }
    FItems.push_back(Item);
    Item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* Item) {
    if (std::erase(FItems, Item) > 0) {
        Item->FParent = nullptr;
    }
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    auto at = std::find(FItems.begin(), FItems.end(), Item);
    return at == FItems.end() ? -1 : static_cast<int>(at - FItems.begin());
}

void TMenuItem::Click() {
    if (FEnabled && OnClick) {
        OnClick(this);
    }
}
