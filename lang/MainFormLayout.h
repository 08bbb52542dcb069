#pragma once
// The main window's layout as it was recorded, one row per control.

#include "lang/LayoutRecovery.h"

constexpr int kMainFormLayoutRows = 27;
extern const kiln::ControlInfo MainFormLayout[kMainFormLayoutRows];
