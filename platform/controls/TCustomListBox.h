#pragma once
// A list of lines, one of which may be selected by a click or the arrow keys.

#include "platform/controls/TWinControl.h"

#include <string>
#include <vector>

class TCustomListBox : public TWinControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomListBox)

    explicit TCustomListBox(TComponent* AOwner);

    const std::vector<std::string>& Items() const { return FItems; }
    void SetItems(const std::vector<std::string>& Value);
    // -1 when nothing is selected; a value outside the list selects nothing.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int ItemHeight() const;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void PaintWindow(TCanvas& Canvas) override;

private:
    std::vector<std::string> FItems;
    int FItemIndex = -1;
};

class TListBox : public TCustomListBox {
public:
    HUSHWAVE_CLASS_NAME(TListBox)
    using TCustomListBox::TCustomListBox;
};
