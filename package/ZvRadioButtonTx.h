#pragma once
// A radio button with a caption over its picture, coloured by value and picture: unchecked
// takes the font's colour when raised and its three-state set otherwise, checked takes its
// four-state set, whose raised colour stands in for a sunken or focused one not set. Being of
// another class than ZvRadioButton, it is no exclusive sibling of the plain buttons: checking
// one of those leaves it alone.

#include "package/ZvRadioBtnFontColor.h"
#include "package/ZvRadioButton.h"
#include "package/ZvTextVariant.h"

class ZvRadioButtonTx : public ZvTextVariant<ZvRadioButton, ZvRadioBtnFontColor> {
public:
    HUSHWAVE_CLASS_NAME(ZvRadioButtonTx)

    explicit ZvRadioButtonTx(TComponent* AOwner) : ZvTextVariant(AOwner) {}

    TColor GetFontColorOfCurState() override;

    // Puts ZvRadioButtonTx on the "ZvComponentsTx" page of the palette.
    static void Register();
};

// Makes ZvRadioButtonTx known to form resources with its published properties.
void PublishZvRadioButtonTx();
