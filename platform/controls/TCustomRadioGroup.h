#pragma once
// A group box holding a column-wise list of choices, one of which is selected at a time by a
// click on it.

#include "platform/controls/TCustomGroupBox.h"

#include <string>
#include <vector>

class TCustomRadioGroup : public TCustomGroupBox {
public:
    HUSHWAVE_CLASS_NAME(TCustomRadioGroup)

    explicit TCustomRadioGroup(TComponent* AOwner);

    const std::vector<std::string>& Items() const { return FItems; }
    void SetItems(const std::vector<std::string>& Value);
    int ItemIndex() const { return FItemIndex; }
    // -1, or a value outside the list, selects nothing.
    void SetItemIndex(int Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value);

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint() override;

private:
    // The rectangle of item Index inside the frame.
    TRect ItemRect(int Index) const;

    std::vector<std::string> FItems;
    int FItemIndex = -1;
    int FColumns = 1;
};

class TRadioGroup : public TCustomRadioGroup {
public:
    HUSHWAVE_CLASS_NAME(TRadioGroup)
    using TCustomRadioGroup::TCustomRadioGroup;
};
