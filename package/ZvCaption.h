#pragma once
// Drawing a text variant's caption, and the rule that chooses its colour from a three-state
// set.

#include "package/ZvThreeStateFontColor.h"
#include "platform/graphics/TColor.h"
#include "platform/kernel/Types.h"

#include <string>

class TCanvas;
class TFont;

// One line of text centred in the rectangle, in the font and colour, over what the canvas
// already shows (a transparent background). The canvas's own font is left as it was.
void DrawCaption(TCanvas& Canvas, TFont& Font, const std::string& Text, RECT Rect, COLORREF Color);

// The colour for a sub-state (raised 0 ... disabled 3) from a set without a raised colour:
// the font's colour when raised, the set's colour for the others, the system's grey text
// when disabled and no colour is set, and the font's colour for anything else not set.
TColor FontColorFromThreeState(const ZvThreeStateFontColor& Set, int SubState, TColor FontColor);
