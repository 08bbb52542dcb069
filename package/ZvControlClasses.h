#pragma once
// Makes the control base, the appearance sets and the font colour sets known to form
// resources, so that a component's nested properties can be read:
//
//   Appearance.RaisedBmp.Data = 'min_up.bmp'
//   FontColors.Disabled = clGray
//
// A picture read this way is written into the control's live state bitmap. Safe to call more
// than once; the classes are registered the first time.

void PublishZvControlClasses();
