#pragma once
// The twelve pictures of a check box as a published property: one four-picture set for each
// value, unchecked over states 0 to 3, checked over 4 to 7 and grayed over 8 to 11.

#include "package/ZvFourStateAppearance.h"
#include "platform/core/TPersistent.h"

#include <memory>
#include <string>

class ZvChkBoxAppearance : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(ZvChkBoxAppearance)

    explicit ZvChkBoxAppearance(ZvStateBitmaps* CheckBox);
    ~ZvChkBoxAppearance() override;

    ZvFourStateAppearance* GetCheck() const { return FCheck.get(); }
    ZvFourStateAppearance* GetUncheck() const { return FUncheck.get(); }
    ZvFourStateAppearance* GetGray() const { return FGray.get(); }
    void SetCheck(ZvFourStateAppearance* Value) { FCheck->Assign(Value); }
    void SetUncheck(ZvFourStateAppearance* Value) { FUncheck->Assign(Value); }
    void SetGray(ZvFourStateAppearance* Value) { FGray->Assign(Value); }

    bool LoadCheck(const std::string& Directory, const std::string& Raised,
                   const std::string& Sunken, const std::string& Focused,
                   const std::string& Disabled);
    bool LoadUncheck(const std::string& Directory, const std::string& Raised,
                     const std::string& Sunken, const std::string& Focused,
                     const std::string& Disabled);
    bool LoadGray(const std::string& Directory, const std::string& Raised,
                  const std::string& Sunken, const std::string& Focused,
                  const std::string& Disabled);

protected:
    // Copies the unchecked, checked and grayed pictures, in that order; another class of
    // destination is refused with the class library's assignment error.
    void AssignTo(TPersistent* Dest) override;

private:
    std::unique_ptr<ZvFourStateAppearance> FCheck;
    std::unique_ptr<ZvFourStateAppearance> FUncheck;
    std::unique_ptr<ZvFourStateAppearance> FGray;
};
