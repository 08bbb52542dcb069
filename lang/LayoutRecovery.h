#pragma once
// Re-imposes a recorded layout: each control of a window, found by name, gets the position,
// size and font height of its row.

#include <cstdint>

class TControl;
class TWinControl;

namespace kiln {

struct ControlInfo {
    char Name[36];
    int32_t Left;
    int32_t Top;
    int32_t Width;
    int32_t Height;
    int32_t FontHeight;
};

// Walks the root's tree in pre-order and applies each control's row, then the root's own.
// Returns the number of controls laid out, the root included, or -1: at the first control
// without a row the recovery stops, keeping what it already applied.
int32_t Recover(TWinControl* root, const ControlInfo* rows, int count);

void ApplyControlInfo(TControl* control, const ControlInfo& row);

} // namespace kiln
