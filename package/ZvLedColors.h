#pragma once
// The colours of a numeric LED display as a published property: lit and unlit segments, the
// background, and the colour a transparent display lets through (black, the first background,
// until it is set). A new segment or background colour redraws the picture at once.

#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"

class ZvNumLed;

class ZvLedColors : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(ZvLedColors)

    explicit ZvLedColors(ZvNumLed* Owner) : FOwner(Owner) {}

    // Segment colours are taken as they are given: a system colour's low 24 bits as RGB.
    TColor GetLightColor() const;
    void SetLightColor(TColor Value);
    TColor GetDarkColor() const;
    void SetDarkColor(TColor Value);
    // The background and the transparent colour resolve system colours.
    TColor GetBackgroundColor() const;
    void SetBackgroundColor(TColor Value);
    TColor GetTransparentColor() const;
    void SetTransparentColor(TColor Value);

protected:
    // Only into another display's colours; anything else raises EInvalidCast.
    void AssignTo(TPersistent* Dest) override;

private:
    ZvNumLed* FOwner;
};
