#pragma once
// The numeric LED display: a non-windowed control that shows a number, a time of day or a date
// as a row of seven-segment glyphs laid out by a format of placeholder characters ("8888" at
// first) and stretched to the control's size. The picture is an image beside the control in the
// same parent, always at the control's position and size; the image takes no mouse input, so
// the control's own mouse events and clicks work over the picture.
//
//   "8"                 a digit place of a number
//   "H" "M" "S"         hour, minute, second places of a time (either case)
//   "D" "M" "Y"         day, month, year places of a date (either case)
//   "."  "^"  "C"  "&"  decimal point, degree sign, letter C, RPM legend
//
// With KeepRatio the control takes the largest size of the row's proportions that fits into the
// size it is given.

#include "package/ZvLedColors.h"
#include "package/ZvNumLedTypes.h"
#include "platform/controls/TControl.h"
#include "platform/core/DateTime.h"

#include <memory>
#include <string>

namespace kiln {
class ZvNumLed_imp;
}

class TImage;

class ZvNumLed : public TControl {
public:
    HUSHWAVE_CLASS_NAME(ZvNumLed)

    explicit ZvNumLed(TComponent* AOwner);
    ~ZvNumLed() override;
    ZvNumLed(const ZvNumLed&) = delete;
    ZvNumLed& operator=(const ZvNumLed&) = delete;

    // Makes the display's class and its colour set known to form resources; safe to call more
    // than once.
    static void Publish();

    void SetType(ZvNumLedType Value);
    ZvNumLedType GetType() const;
    void SetStyle(ZvNumLedStyle Value);
    ZvNumLedStyle GetStyle() const;
    void SetZeroLeading(bool Value);
    bool GetZeroLeading() const;
    // A format with a character that has no glyph, or an empty one, is ignored.
    void SetFormat(const std::string& Value);
    const std::string& GetFormat() const;
    ZvLedColors* GetLedColors() const { return FLedColors.get(); }
    void SetLedColors(ZvLedColors* Value);
    void SetTransparent(bool Value);
    bool GetTransparent() const;
    void SetKeepRatio(bool Value);
    bool GetKeepRatio() const;

    // A number while Type is nledFloat; a TDateTime while it is nledTime or nledDate.
    void SetValue(const double& Value);
    // The last value of the kind Type names.
    bool GetValue(double& Value) const;

    // Index 0 switches every glyph, 1 to n the glyph at that place; On lights every segment of
    // every glyph for 0, and shows the value's digit on one glyph.
    void On(unsigned Index);
    void Off(unsigned Index);

    void Repaint() override;
    // The size becomes the picture's size.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;

    // The image that shows the picture.
    TImage* Image() const;

private:
    friend class ZvLedColors;

    std::unique_ptr<kiln::ZvNumLed_imp> FImp;
    std::unique_ptr<ZvLedColors> FLedColors;
};
