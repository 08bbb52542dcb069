#pragma once
// A windowed container for a group of controls designed together and placed on forms as one.

#include "platform/controls/TWinControl.h"

class TCustomFrame : public TWinControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomFrame)

    explicit TCustomFrame(TComponent* AOwner);
};

class TFrame : public TCustomFrame {
public:
    HUSHWAVE_CLASS_NAME(TFrame)
    using TCustomFrame::TCustomFrame;
};
