#pragma once
// A non-windowed control that shows its caption in its font: aligned left, centred or right,
// at the top, middle or bottom, on its colour or, when Transparent, over what lies behind it.
// With AutoSize it takes the size of its text whenever the text or the font changes. A '&'
// marks the next character for underlining unless ShowAccelChar is off.

#include "platform/controls/TGraphicControl.h"

#include <string>

enum class TTextLayout { tlTop, tlCenter, tlBottom };
using enum TTextLayout;

class TCustomLabel : public TGraphicControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomLabel)

    explicit TCustomLabel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);

    void Loaded() override;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    UINT TextFlags() const;
    void AdjustBounds();

    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FAutoSize = true;
    bool FTransparent = false;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
};

class TLabel : public TCustomLabel {
public:
    HUSHWAVE_CLASS_NAME(TLabel)
    using TCustomLabel::TCustomLabel;
};
