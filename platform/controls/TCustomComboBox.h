#pragma once
// A box that shows one line of a list; clicking it opens the list as a menu, and the line
// picked becomes the text. The arrow keys step through the list. OnChange fires when the
// user changes the selection.

#include "platform/controls/TWinControl.h"

#include <string>
#include <vector>

class TCustomComboBox : public TWinControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomComboBox)

    explicit TCustomComboBox(TComponent* AOwner);

    const std::vector<std::string>& Items() const { return FItems; }
    void SetItems(const std::vector<std::string>& Value);
    // -1 when no line is selected; selecting a line makes it the text.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);

    TNotifyEvent OnChange;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void PaintWindow(TCanvas& Canvas) override;

private:
    void Select(int Index);

    std::vector<std::string> FItems;
    int FItemIndex = -1;
};

class TComboBox : public TCustomComboBox {
public:
    HUSHWAVE_CLASS_NAME(TComboBox)
    using TCustomComboBox::TCustomComboBox;
};
