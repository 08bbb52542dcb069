#include "package/ZvNumLed.h"

#include "package/Source/ZvNumLed_imp.h"
#include "platform/binding/ClassRegistry.h"

ZvNumLed::ZvNumLed(TComponent* AOwner) : TControl(AOwner) {
    FImp = std::make_unique<kiln::ZvNumLed_imp>(this, Parent(), Width(), Height());
    FLedColors = std::make_unique<ZvLedColors>(this);
}

// The picture goes first, while the control is still whole.
ZvNumLed::~ZvNumLed() {
    FImp.reset();
    FLedColors.reset();
}

void ZvNumLed::Publish() {
    static const bool published = [] {
        ClassRegistry& r = ClassRegistry::Instance();
        r.RegisterBase<ZvLedColors>("ZvLedColors")
            .Color("LightColor", &ZvLedColors::SetLightColor)
            .Color("DarkColor", &ZvLedColors::SetDarkColor)
            .Color("BackgroundColor", &ZvLedColors::SetBackgroundColor)
            .Color("TransparentColor", &ZvLedColors::SetTransparentColor);
        r.Register<ZvNumLed>("ZvNumLed", "TControl")
            .Enumeration("Type", &ZvNumLed::SetType, {"nledFloat", "nledTime", "nledDate"})
            .Enumeration("Style", &ZvNumLed::SetStyle, {"nledRectangle7_s"})
            .Boolean("ZeroLeading", &ZvNumLed::SetZeroLeading)
            .String("Format", &ZvNumLed::SetFormat)
            .Object("LedColors", &ZvNumLed::GetLedColors)
            .Boolean("Transparent", &ZvNumLed::SetTransparent)
            .Boolean("KeepRatio", &ZvNumLed::SetKeepRatio)
            .Boolean("Enabled", &TControl::SetEnabled)
            .Boolean("ShowHint", &TControl::SetShowHint)
            .Boolean("Visible", &TControl::SetVisible)
            .Event("OnClick", &TControl::OnClick)
            .Event("OnDblClick", &TControl::OnDblClick)
            .Event("OnMouseDown", &TControl::OnMouseDown)
            .Event("OnMouseMove", &TControl::OnMouseMove)
            .Event("OnMouseUp", &TControl::OnMouseUp);
        return true;
    }();
    (void)published;
}

void ZvNumLed::SetType(ZvNumLedType Value) {
    FImp->SetType(Value);
}
ZvNumLedType ZvNumLed::GetType() const {
    return FImp->GetType();
}
void ZvNumLed::SetStyle(ZvNumLedStyle Value) {
    FImp->SetStyle(Value);
}
ZvNumLedStyle ZvNumLed::GetStyle() const {
    return FImp->GetStyle();
}
void ZvNumLed::SetZeroLeading(bool Value) {
    FImp->SetZeroLeading(Value);
}
bool ZvNumLed::GetZeroLeading() const {
    return FImp->GetZeroLeading();
}
void ZvNumLed::SetFormat(const std::string& Value) {
    FImp->SetFormat(Value);
}
const std::string& ZvNumLed::GetFormat() const {
    return FImp->GetFormat();
}
void ZvNumLed::SetLedColors(ZvLedColors* Value) {
    FLedColors->Assign(Value);
}
void ZvNumLed::SetTransparent(bool Value) {
    FImp->SetTransparent(Value);
}
bool ZvNumLed::GetTransparent() const {
    return FImp->Transparent();
}

void ZvNumLed::SetKeepRatio(bool Value) {
    FImp->SetKeepRatio(Value);
    SetBounds(Left(), Top(), Width(), Height());
}

bool ZvNumLed::GetKeepRatio() const {
    return FImp->GetKeepRatio();
}
void ZvNumLed::SetValue(const double& Value) {
    FImp->SetValue(Value);
}
bool ZvNumLed::GetValue(double& Value) const {
    return FImp->GetValue(Value);
}
void ZvNumLed::On(unsigned Index) {
    FImp->On(Index);
}
void ZvNumLed::Off(unsigned Index) {
    FImp->Off(Index);
}

void ZvNumLed::Repaint() {
    FImp->Refresh();
    TControl::Repaint();
}

void ZvNumLed::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FImp != nullptr) {
        FImp->MoveImage(ALeft, ATop);
        FImp->Resize(AWidth, AHeight);
        AWidth = FImp->ImageWidth();
        AHeight = FImp->ImageHeight();
    }
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void ZvNumLed::SetParent(TWinControl* AParent) {
    if (FImp != nullptr) {
        FImp->SetParent(AParent);
    }
    TControl::SetParent(AParent);
}

TImage* ZvNumLed::Image() const {
    return FImp->ImageControl();
}
