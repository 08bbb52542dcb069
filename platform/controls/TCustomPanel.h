#pragma once
// A windowed container with bevelled edges and a caption: the outer bevel, then BorderWidth
// of its colour, then the inner bevel, each bevel BevelWidth wide.

#include "platform/controls/TCustomControl.h"

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
using enum TPanelBevel;

class TCustomPanel : public TCustomControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomPanel)

    explicit TCustomPanel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);

protected:
    void Paint() override;

private:
    TAlignment FAlignment = taCenter;
    TPanelBevel FBevelInner = bvNone;
    TPanelBevel FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
};

class TPanel : public TCustomPanel {
public:
    HUSHWAVE_CLASS_NAME(TPanel)
    using TCustomPanel::TCustomPanel;
};
