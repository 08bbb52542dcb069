#include "package/ZvLedColors.h"

#include "kiln/Graphics/Color.h"
#include "package/Source/ZvNumLed_imp.h"
#include "package/ZvNumLed.h"
#include "platform/core/Exception.h"

TColor ZvLedColors::GetLightColor() const {
    return FOwner->FImp->SegmentColor(1).ToPlatform();
}

void ZvLedColors::SetLightColor(TColor Value) {
    FOwner->FImp->SetSegmentColor(1, kiln::Color::FromPlatformUnresolved(Value));
}

TColor ZvLedColors::GetDarkColor() const {
    return FOwner->FImp->SegmentColor(0).ToPlatform();
}

void ZvLedColors::SetDarkColor(TColor Value) {
    FOwner->FImp->SetSegmentColor(0, kiln::Color::FromPlatformUnresolved(Value));
}

TColor ZvLedColors::GetBackgroundColor() const {
    return FOwner->FImp->BackgroundColor().ToPlatform();
}

void ZvLedColors::SetBackgroundColor(TColor Value) {
    FOwner->FImp->SetBackgroundColor(kiln::Color::FromPlatform(Value));
}

TColor ZvLedColors::GetTransparentColor() const {
    return FOwner->FImp->TransparentColor().ToPlatform();
}

void ZvLedColors::SetTransparentColor(TColor Value) {
    FOwner->FImp->SetTransparentColor(kiln::Color::FromPlatform(Value));
}

void ZvLedColors::AssignTo(TPersistent* Dest) {
    auto* other = dynamic_cast<ZvLedColors*>(Dest);
    if (other == nullptr) {
        throw EInvalidCast("Invalid class typecast");
    }
    other->SetLightColor(GetLightColor());
    other->SetDarkColor(GetDarkColor());
    other->SetBackgroundColor(GetBackgroundColor());
    other->SetTransparentColor(GetTransparentColor());
}
