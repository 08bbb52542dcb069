#include "package/ZvRadioButtonTx.h"

#include "package/ZvCaption.h"
#include "package/ZvStates.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/binding/ComponentPalette.h"

TColor ZvRadioButtonTx::GetFontColorOfCurState() {
    const ZvRadioBtnFontColor& sets = *GetFontColors();
    int s = ZvState::SubState(GetCurState());
    TColor font = Font()->Color();
    if (GetChecked()) {
        return ColorToRGB(FontColorFromFourState(*sets.GetCheck(), s, font));
    }
    return ColorToRGB(FontColorFromThreeState(*sets.GetUncheck(), s, font));
}

void ZvRadioButtonTx::Register() {
    static const TComponentClass classes[] = {{"ZvRadioButtonTx", PublishZvRadioButtonTx}};
    RegisterComponents("ZvComponentsTx", classes, 1);
}

void PublishZvRadioButtonTx() {
    static const bool published = [] {
        PublishZvRadioButton();
        ClassRegistry& r = ClassRegistry::Instance();
        r.RegisterBase<ZvRadioBtnFontColor>("ZvRadioBtnFontColor")
            .Object("Check", &ZvRadioBtnFontColor::GetCheck)
            .Object("Uncheck", &ZvRadioBtnFontColor::GetUncheck)
            .EventSetter("OnChange", &ZvRadioBtnFontColor::SetOnChange);
        auto button = r.Register<ZvRadioButtonTx>("ZvRadioButtonTx", "ZvRadioButton");
        ZvRadioButtonTx::PublishTextProperties(button);
        return true;
    }();
    (void)published;
}
