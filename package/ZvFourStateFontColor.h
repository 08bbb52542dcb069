#pragma once
// Text colours for all four pictures of a group: raised, sunken, focused and disabled.

#include "package/ZvCtrlFontColor.h"

class ZvFourStateFontColor : public ZvCtrlFontColor {
public:
    HUSHWAVE_CLASS_NAME(ZvFourStateFontColor)

    TColor GetRaised() const { return FRaised; }
    TColor GetSunken() const { return FSunken; }
    TColor GetFocused() const { return FFocused; }
    TColor GetDisabled() const { return FDisabled; }
    void SetRaised(TColor Value) { SetColorField(FRaised, Value); }
    void SetSunken(TColor Value) { SetColorField(FSunken, Value); }
    void SetFocused(TColor Value) { SetColorField(FFocused, Value); }
    void SetDisabled(TColor Value) { SetColorField(FDisabled, Value); }

protected:
    // Copies every colour at once and tells the destination's handler once, changed or not;
    // another class of destination is refused with the class library's assignment error.
    void AssignTo(TPersistent* Dest) override;

private:
    TColor FRaised = NotSet;
    TColor FSunken = NotSet;
    TColor FFocused = NotSet;
    TColor FDisabled = NotSet;
};
