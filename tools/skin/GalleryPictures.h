#pragma once
// The pictures of the component gallery: a wide button for captions, a round button with a
// play mark whose corners are cut away by the transparent colour, each in its four states
// (raised, sunken, focused, disabled); check boxes (unchecked, checked, grayed) and radio
// buttons (unchecked, checked) in the same four states, 20 pixels square and 104 wide with room
// for a caption; a striped backdrop that a transparent display sits on, and a frame wider than
// the display that keeps its ratio inside it. They are drawn for the gallery's form colour (red
// 0x26, green 0x2B, blue 0x30), so their soft edges meet it without a seam.

#include "tools/skin/SkinPictures.h"

#include <vector>

std::vector<SkinPicture> DrawGalleryPictures();
