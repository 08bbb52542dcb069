#pragma once
// One entry of a menu, holding the entries of its submenu. An item frees the items it holds
// when it goes, whoever owns them, as the class library's menu items do.

#include "platform/core/Events.h"
#include "platform/core/TComponent.h"

#include <string>
#include <vector>

class TMenuItem : public TComponent {
public:
    HUSHWAVE_CLASS_NAME(TMenuItem)

    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value) { FChecked = Value; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // Throws EListError for an index outside 0 .. Count - 1.
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const { return FParent; }
    // Takes the item out of the submenu it is in and appends it to this one's.
    void Add(TMenuItem* Item);
    void Remove(TMenuItem* Item);
    int IndexOf(const TMenuItem* Item) const;

    // Fires OnClick when the item is enabled.
    virtual void Click();

    TNotifyEvent OnClick;

private:
    std::string FCaption;
    bool FEnabled = true;
    bool FVisible = true;
    bool FChecked = false;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
};
