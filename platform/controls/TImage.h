#pragma once
// A non-windowed control that shows a picture: at its own size from the top-left corner,
// centred, or stretched over the whole control, with the bitmap's transparent colour left out
// when Transparent is set. It is opaque (csOpaque) exactly when its picture covers it and is
// not transparent, so that refreshing it leaves what lies behind alone.

#include "platform/controls/TGraphicControl.h"
#include "platform/graphics/TRect.h"

#include <memory>

class TCanvas;
class TPicture;

class TImage : public TGraphicControl {
public:
    HUSHWAVE_CLASS_NAME(TImage)

    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value);
    // The picture's bitmap's canvas; an empty picture first gets a bitmap of the control's
    // size. What is drawn there shows with the image's next repaint.
    TCanvas* Canvas();

    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Sizes the control to its picture whenever the picture changes.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

protected:
    void Paint() override;

private:
    TRect DestRect() const;
    void PictureChanged();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FAutoSize = false;
    bool FDrawing = false;
};
