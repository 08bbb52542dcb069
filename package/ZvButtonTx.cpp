#include "package/ZvButtonTx.h"

#include "package/ZvCaption.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/binding/ComponentPalette.h"

TColor ZvButtonTx::GetFontColorOfCurState() {
    return ColorToRGB(FontColorFromThreeState(*GetFontColors(), GetCurState(), Font()->Color()));
}

void ZvButtonTx::Register() {
    static const TComponentClass classes[] = {{"ZvButtonTx", PublishZvButtonTx}};
    RegisterComponents("ZvComponentsTx", classes, 1);
}

void PublishZvButtonTx() {
    static const bool published = [] {
        PublishZvButton();
        auto button = ClassRegistry::Instance().Register<ZvButtonTx>("ZvButtonTx", "ZvButton");
        ZvButtonTx::PublishTextProperties(button);
        return true;
    }();
    (void)published;
}
