#pragma once
// Makes the control base, the appearance sets and the font colour sets known to form
// resources, so that a component's nested properties can be read:
//
//   Appearance.RaisedBmp.Data = 'min_up.bmp'
//   FontColors.Disabled = clGray
//
// A picture read this way is written into the control's live state bitmap. Safe to call more
// than once; the classes are registered the first time.

#include "platform/binding/ClassRegistry.h"
#include "platform/controls/TWinControl.h"

void PublishZvControlClasses();

// The platform's properties that every skinned component publishes, beyond the basic ones
// (Name, Tag, position, size, Cursor, Hint and HelpContext) that all controls have.
template <class T> void PublishZvPlatformProperties(ClassBuilder<T>& c) {
    c.Boolean("Enabled", &TControl::SetEnabled)
        .Boolean("ShowHint", &TControl::SetShowHint)
        .Integer("TabOrder", &TWinControl::SetTabOrder)
        .Boolean("TabStop", &TWinControl::SetTabStop)
        .Boolean("Visible", &TControl::SetVisible)
        .Event("OnClick", &TControl::OnClick)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit)
        .Event("OnKeyDown", &TWinControl::OnKeyDown)
        .Event("OnKeyPress", &TWinControl::OnKeyPress)
        .Event("OnKeyUp", &TWinControl::OnKeyUp)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseUp", &TControl::OnMouseUp);
}
