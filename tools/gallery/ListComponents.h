#pragma once
// What --list prints of a form: one line for each named control, its name, class and bounds
// (left top width height) in the form's client area.

#include "platform/controls/TCustomForm.h"

#include <iosfwd>

void ListComponents(const TCustomForm& Form, std::ostream& Out);
