#include "package/ZvButtonTx.h"

#include "package/ZvCaption.h"
#include "platform/binding/ClassRegistry.h"

TColor ZvButtonTx::GetFontColorOfCurState() {
    return ColorToRGB(FontColorFromThreeState(*GetFontColors(), GetCurState(), Font()->Color()));
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
