#include "package/ZvCaption.h"

#include "package/ZvStates.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

namespace {

constexpr TColor kNotSet = ZvCtrlFontColor::NotSet;

TColor Or(TColor colour, TColor fallback) {
    return colour == kNotSet ? fallback : colour;
}

} // namespace

void DrawCaption(TCanvas& Canvas, TFont& Font, const std::string& Text, RECT Rect, COLORREF Color) {
    HDC dc = Canvas.Handle();
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(dc, Font.Handle());
    SetTextColor(dc, Color);
    DrawText(dc, Text.c_str(), -1, &Rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, previous);
}

TColor FontColorFromThreeState(const ZvThreeStateFontColor& Set, int SubState, TColor FontColor) {
    TColor colour = FontColor;
    switch (SubState) {
    case ZvState::Sunken:
        colour = Set.GetSunken();
        break;
    case ZvState::Focused:
        colour = Set.GetFocused();
        break;
    case ZvState::Disabled:
        colour = Or(Set.GetDisabled(), clGrayText);
        break;
    default:
        break;
    }
    return Or(colour, FontColor);
}
