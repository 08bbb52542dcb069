#include "package/ZvCheckBoxTx.h"

#include "package/ZvCaption.h"
#include "package/ZvStates.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/binding/ComponentPalette.h"

TColor ZvCheckBoxTx::GetFontColorOfCurState() {
    const ZvCheckBoxFontColor& sets = *GetFontColors();
    int s = ZvState::SubState(GetCurState());
    TColor font = Font()->Color();
    switch (GetState()) {
    case cbChecked:
        return ColorToRGB(FontColorFromFourState(*sets.GetCheck(), s, font));
    case cbGrayed:
        return ColorToRGB(FontColorFromFourState(*sets.GetGray(), s, font));
    default:
        return ColorToRGB(FontColorFromThreeState(*sets.GetUncheck(), s, font));
    }
}

void ZvCheckBoxTx::Register() {
    static const TComponentClass classes[] = {{"ZvCheckBoxTx", PublishZvCheckBoxTx}};
    RegisterComponents("ZvComponentsTx", classes, 1);
}

void PublishZvCheckBoxTx() {
    static const bool published = [] {
        PublishZvCheckBox();
        ClassRegistry& r = ClassRegistry::Instance();
        r.RegisterBase<ZvCheckBoxFontColor>("ZvCheckBoxFontColor")
            .Object("Check", &ZvCheckBoxFontColor::GetCheck)
            .Object("Uncheck", &ZvCheckBoxFontColor::GetUncheck)
            .Object("Gray", &ZvCheckBoxFontColor::GetGray)
            .EventSetter("OnChange", &ZvCheckBoxFontColor::SetOnChange);
        auto box = r.Register<ZvCheckBoxTx>("ZvCheckBoxTx", "ZvCheckBox");
        ZvCheckBoxTx::PublishTextProperties(box);
        return true;
    }();
    (void)published;
}
