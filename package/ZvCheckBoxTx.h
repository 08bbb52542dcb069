#pragma once
// A check box with a caption over its picture, coloured by value and picture: unchecked
// takes the font's colour when raised and its three-state set otherwise, checked and grayed
// take their four-state sets, whose raised colour stands in for a sunken or focused one not set.

#include "package/ZvCheckBox.h"
#include "package/ZvCheckBoxFontColor.h"
#include "package/ZvTextVariant.h"

class ZvCheckBoxTx : public ZvTextVariant<ZvCheckBox, ZvCheckBoxFontColor> {
public:
    HUSHWAVE_CLASS_NAME(ZvCheckBoxTx)

    explicit ZvCheckBoxTx(TComponent* AOwner) : ZvTextVariant(AOwner) {}

    TColor GetFontColorOfCurState() override;

    // Puts ZvCheckBoxTx on the "ZvComponentsTx" page of the palette.
    static void Register();
};

// Makes ZvCheckBoxTx known to form resources with its published properties.
void PublishZvCheckBoxTx();
