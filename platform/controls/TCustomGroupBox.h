#pragma once
// A windowed container framed by an etched line with its caption set into the top edge.

#include "platform/controls/TCustomControl.h"
#include "platform/graphics/TRect.h"

class TCustomGroupBox : public TCustomControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomGroupBox)

    explicit TCustomGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
    // The area inside the frame, below the caption.
    TRect FrameInterior() const;
};

class TGroupBox : public TCustomGroupBox {
public:
    HUSHWAVE_CLASS_NAME(TGroupBox)
    using TCustomGroupBox::TCustomGroupBox;
};
