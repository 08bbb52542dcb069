#include "platform/controls/TImage.h"

#include "platform/controls/TPicture.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

// Marks the image as drawing its picture until the drawing ends, by an exception or not.
class DrawingMark {
public:
    explicit DrawingMark(bool& Drawing) : FDrawing(Drawing) { FDrawing = true; }
    ~DrawingMark() { FDrawing = false; }
    DrawingMark(const DrawingMark&) = delete;
    DrawingMark& operator=(const DrawingMark&) = delete;

private:
    bool& FDrawing;
};

} // namespace

TImage::TImage(TComponent* AOwner)
    : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(Left(), Top(), 105, 105);
}

TImage::~TImage() = default;

void TImage::SetPicture(TPicture* Value) {
    FPicture->Assign(Value);
}

TCanvas* TImage::Canvas() {
    if (FPicture->Graphic() == nullptr) {
        TBitmap* bitmap = FPicture->Bitmap();
        bitmap->SetSize(Width(), Height());
    }
    return FPicture->Bitmap()->Canvas();
}

void TImage::SetStretch(bool Value) {
    if (Value != FStretch) {
        FStretch = Value;
        PictureChanged();
    }
}

void TImage::SetCenter(bool Value) {
    if (Value != FCenter) {
        FCenter = Value;
        PictureChanged();
    }
}

void TImage::SetTransparent(bool Value) {
    if (Value != FTransparent) {
        FTransparent = Value;
        PictureChanged();
    }
}

void TImage::SetAutoSize(bool Value) {
    if (Value != FAutoSize) {
        FAutoSize = Value;
        PictureChanged();
    }
}

TRect TImage::DestRect() const {
    int width = FPicture->Width();
    int height = FPicture->Height();
    if (FStretch) {
        return TRect(0, 0, Width(), Height());
    }
    if (FCenter) {
        int left = (Width() - width) / 2;
        int top = (Height() - height) / 2;
        return TRect(left, top, left + width, top + height);
    }
    return TRect(0, 0, width, height);
}

void TImage::PictureChanged() {
    TGraphic* graphic = FPicture->Graphic();
    if (FAutoSize && graphic != nullptr && !graphic->Empty()) {
        SetBounds(Left(), Top(), graphic->Width(), graphic->Height());
    }
    if (graphic != nullptr && graphic->Transparent() != FTransparent) {
        // Changing the bitmap's flag raises its OnChange and brings us back here.
        graphic->SetTransparent(FTransparent);
        return;
    }
    TRect dest = DestRect();
    bool covers = graphic != nullptr && !graphic->Empty() && !FTransparent && dest.left <= 0 &&
                  dest.top <= 0 && dest.right >= Width() && dest.bottom >= Height();
    TControlStyle style = ControlStyle();
    SetControlStyle(covers ? style << csOpaque : style >> csOpaque);
    if (!FDrawing) {
        Invalidate();
    }
}

void TImage::Paint() {
    TGraphic* graphic = FPicture->Graphic();
    if (graphic == nullptr || graphic->Empty()) {
        return;
    }
    DrawingMark drawing(FDrawing);
    TGraphicControl::Canvas()->StretchDraw(DestRect(), graphic);
}
