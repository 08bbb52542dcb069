#pragma once
// The minimise and close buttons: round 16 x 16 caps on the face, in the three pictures a
// button shows (raised, hot under the mouse, sunken while pressed). Each picture carries the
// face around the cap, so it sits on the skin without a seam.

#include "tools/skin/SkinLayout.h"

#include "platform/graphics/Surface.h"

enum class ButtonGlyph { Minimise, Close };
enum class ButtonLook { Raised, Hot, Sunken };

// face is the background picture; the button takes its ground from the face at place.
Surface DrawWindowButton(ButtonGlyph glyph, ButtonLook look, const Surface& face,
                         const skin::Box& place);
