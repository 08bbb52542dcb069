#include "platform/controls/TCustomFrame.h"

TCustomFrame::TCustomFrame(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetBounds(Left(), Top(), 320, 240);
}
