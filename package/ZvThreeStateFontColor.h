#pragma once
// Text colours for the sunken, focused and disabled pictures; the control's font colour
// serves for the raised one.

#include "package/ZvCtrlFontColor.h"

class ZvThreeStateFontColor : public ZvCtrlFontColor {
public:
    HUSHWAVE_CLASS_NAME(ZvThreeStateFontColor)

    TColor GetSunken() const { return FSunken; }
    TColor GetFocused() const { return FFocused; }
    TColor GetDisabled() const { return FDisabled; }
    void SetSunken(TColor Value) { SetColorField(FSunken, Value); }
    void SetFocused(TColor Value) { SetColorField(FFocused, Value); }
    void SetDisabled(TColor Value) { SetColorField(FDisabled, Value); }

protected:
    // Copies every colour at once and tells the destination's handler once, changed or not;
    // another class of destination is refused with the class library's assignment error.
    void AssignTo(TPersistent* Dest) override;

private:
    TColor FSunken = NotSet;
    TColor FFocused = NotSet;
    TColor FDisabled = NotSet;
};
