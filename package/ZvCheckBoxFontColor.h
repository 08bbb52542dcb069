#pragma once
// The caption colours of a text check box: a four-state set for checked, a three-state set
// for unchecked (the font's colour when raised) and a four-state set for grayed. Its OnChange
// is that of all three sets, so a change of any of them reaches the one handler.

#include "package/ZvFourStateFontColor.h"
#include "package/ZvThreeStateFontColor.h"
#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"

#include <memory>

class ZvCheckBoxFontColor : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(ZvCheckBoxFontColor)

    ZvCheckBoxFontColor();
    ~ZvCheckBoxFontColor() override;

    ZvFourStateFontColor* GetCheck() const { return FCheck.get(); }
    ZvThreeStateFontColor* GetUncheck() const { return FUncheck.get(); }
    ZvFourStateFontColor* GetGray() const { return FGray.get(); }
    void SetCheck(ZvFourStateFontColor* Value) { FCheck->Assign(Value); }
    void SetUncheck(ZvThreeStateFontColor* Value) { FUncheck->Assign(Value); }
    void SetGray(ZvFourStateFontColor* Value) { FGray->Assign(Value); }

    const TNotifyEvent& GetOnChange() const { return FUncheck->GetOnChange(); }
    void SetOnChange(TNotifyEvent Value);

protected:
    // Copies the unchecked, checked and grayed colours, in that order, one change notification
    // each; another class of destination is refused with the class library's assignment error.
    void AssignTo(TPersistent* Dest) override;

private:
    std::unique_ptr<ZvFourStateFontColor> FCheck;
    std::unique_ptr<ZvThreeStateFontColor> FUncheck;
    std::unique_ptr<ZvFourStateFontColor> FGray;
};
