#pragma once
// A bitmap button with a caption over its picture: the font's colour when raised, the
// colours of its three-state set when sunken, focused or disabled, and the system's grey text
// when disabled without a colour of its own.

#include "package/ZvButton.h"
#include "package/ZvTextVariant.h"
#include "package/ZvThreeStateFontColor.h"

class ZvButtonTx : public ZvTextVariant<ZvButton, ZvThreeStateFontColor> {
public:
    HUSHWAVE_CLASS_NAME(ZvButtonTx)

    explicit ZvButtonTx(TComponent* AOwner) : ZvTextVariant(AOwner) {}

    TColor GetFontColorOfCurState() override;
};

// Makes ZvButtonTx known to form resources with its published properties.
void PublishZvButtonTx();
