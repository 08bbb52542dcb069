#pragma once
// The caption colours of a text radio button: a four-state set for checked and a three-state
// set for unchecked (the font's colour when raised). Its OnChange is that of both sets.

#include "package/ZvFourStateFontColor.h"
#include "package/ZvThreeStateFontColor.h"
#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"

#include <memory>

class ZvRadioBtnFontColor : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(ZvRadioBtnFontColor)

    ZvRadioBtnFontColor();
    ~ZvRadioBtnFontColor() override;

    ZvFourStateFontColor* GetCheck() const { return FCheck.get(); }
    ZvThreeStateFontColor* GetUncheck() const { return FUncheck.get(); }
    void SetCheck(ZvFourStateFontColor* Value) { FCheck->Assign(Value); }
    void SetUncheck(ZvThreeStateFontColor* Value) { FUncheck->Assign(Value); }

    const TNotifyEvent& GetOnChange() const { return FUncheck->GetOnChange(); }
    void SetOnChange(TNotifyEvent Value);

protected:
    // Copies the unchecked, then the checked colours, one change notification each; another
    // class of destination is refused with the class library's assignment error.
    void AssignTo(TPersistent* Dest) override;

private:
    std::unique_ptr<ZvFourStateFontColor> FCheck;
    std::unique_ptr<ZvThreeStateFontColor> FUncheck;
};
