#pragma once
// Four consecutive states of a control under the names of their pictures: raised, sunken,
// focused and disabled, from the raised state on. Reads and writes go to the control's own
// state bitmaps; assigning one set to another copies the pictures into the other's control.

#include "package/ZvCtrlAppearance.h"
#include "package/ZvStates.h"

class ZvFourStateAppearance : public ZvCtrlAppearance {
public:
    HUSHWAVE_CLASS_NAME(ZvFourStateAppearance)

    ZvFourStateAppearance(ZvStateBitmaps* Control, int FirstState)
        : ZvCtrlAppearance(Control), FFirstState(FirstState) {}

    TBitmap* GetRaisedBmp() const { return GetBitmap(FFirstState + ZvState::Raised); }
    TBitmap* GetSunkenBmp() const { return GetBitmap(FFirstState + ZvState::Sunken); }
    TBitmap* GetFocusedBmp() const { return GetBitmap(FFirstState + ZvState::Focused); }
    TBitmap* GetDisabledBmp() const { return GetBitmap(FFirstState + ZvState::Disabled); }
    void SetRaisedBmp(TBitmap* Value) { SetBitmap(Value, FFirstState + ZvState::Raised); }
    void SetSunkenBmp(TBitmap* Value) { SetBitmap(Value, FFirstState + ZvState::Sunken); }
    void SetFocusedBmp(TBitmap* Value) { SetBitmap(Value, FFirstState + ZvState::Focused); }
    void SetDisabledBmp(TBitmap* Value) { SetBitmap(Value, FFirstState + ZvState::Disabled); }

    // The four files of a folder, raised first, so that a raised picture that gives the
    // control its size and shape is in place before the others; empty names are skipped.
    bool LoadFromFiles(const std::string& Directory, const std::string& Raised,
                       const std::string& Sunken, const std::string& Focused,
                       const std::string& Disabled);

protected:
    // Another class of destination is refused with the class library's assignment error.
    void AssignTo(TPersistent* Dest) override;

private:
    int FFirstState;
};
