#pragma once
// The eight pictures of a radio button as a published property: one four-picture set for
// unchecked over states 0 to 3 and one for checked over 4 to 7.

#include "package/ZvCtrlAppearance.h"
#include "package/ZvFourStateAppearance.h"

#include <memory>

class ZvRadioBtnAppearance : public ZvCtrlAppearance {
public:
    HUSHWAVE_CLASS_NAME(ZvRadioBtnAppearance)

    explicit ZvRadioBtnAppearance(ZvStateBitmaps* RadioButton);
    ~ZvRadioBtnAppearance() override;

    ZvFourStateAppearance* GetCheck() const { return FCheck.get(); }
    ZvFourStateAppearance* GetUncheck() const { return FUncheck.get(); }
    void SetCheck(ZvFourStateAppearance* Value) { FCheck->Assign(Value); }
    void SetUncheck(ZvFourStateAppearance* Value) { FUncheck->Assign(Value); }

protected:
    // Copies the unchecked, then the checked pictures; another class of destination is
    // refused with the class library's assignment error.
    void AssignTo(TPersistent* Dest) override;

private:
    std::unique_ptr<ZvFourStateAppearance> FCheck;
    std::unique_ptr<ZvFourStateAppearance> FUncheck;
};
