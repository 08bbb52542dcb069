#include "platform/graphics/TBitmap.h"

#include "platform/core/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Blit.h"
#include "platform/graphics/BmpCodec.h"

#include <iterator>
#include <vector>

namespace {

struct FormatTag {
    WORD bitsPerPixel;
    bool dibSection;
};

FormatTag TagOf(TPixelFormat format) {
    switch (format) {
    case pf24bit:
        return {24, true};
    case pf32bit:
        return {32, true};
    case pfDevice:
        break;
    }
    return {32, false};
}

TPixelFormat FormatOf(const GdiBitmap& bitmap) {
    if (!bitmap.dibSection) {
        return pfDevice;
    }
    return bitmap.bitsPerPixel == 32 ? pf32bit : pf24bit;
}

} // namespace

// The canvas of a bitmap draws on the bitmap's current image, whatever became of it since.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : m_bitmap(bitmap) {}

protected:
    DrawingTarget Target() override {
        GdiBitmap* image = m_bitmap.Image();
        return DrawingTarget{image ? &image->pixels : nullptr};
    }

private:
    TBitmap& m_bitmap;
};

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    FCanvas.reset();
    ReplaceImage(nullptr);
}

GdiBitmap* TBitmap::Image() const {
    return FHandle ? FindBitmap(FHandle) : nullptr;
}

void TBitmap::ReplaceImage(HBITMAP Handle) {
    if (FHandle && FHandle != Handle) {
        DeleteObject(FHandle);
    }
    FHandle = Handle;
}

void TBitmap::SetImagePixels(Surface Pixels, TPixelFormat Format) {
    const int width = Pixels.Width(), height = Pixels.Height();
    HBITMAP handle;
    if (!Pixels.Empty()) {
        FormatTag tag = TagOf(Format);
        handle = CreateBitmapObject(std::move(Pixels), tag.bitsPerPixel, tag.dibSection);
        if (!handle) {
            throw EOutOfResources("Out of system resources");
        }
    }
    ReplaceImage(handle);
    FWidth = width;
    FHeight = height;
    FPixelFormat = Format;
}

void TBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == FWidth && AHeight == FHeight) {
        return;
    }
    if (!Surface::IsAcceptableSize(AWidth, AHeight)) {
        throw EOutOfResources("Out of system resources");
    }
    Surface resized;
    if (AWidth > 0 && AHeight > 0) {
        resized = Surface(AWidth, AHeight);
        resized.Fill(0xFFFFFF);
        if (GdiBitmap* old = Image()) {
            RECT kept{0, 0, std::min(AWidth, FWidth), std::min(AHeight, FHeight)};
            StretchBlit(resized, kept, kept, &old->pixels, kept, SRCCOPY, 0);
        }
    }
    if (GdiBitmap* image = Image(); image && !resized.Empty()) {
        image->pixels = std::move(resized);
    } else {
        SetImagePixels(std::move(resized), FPixelFormat);
    }
    FWidth = AWidth;
    FHeight = AHeight;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == FPixelFormat) {
        return;
    }
    FPixelFormat = Value;
    if (GdiBitmap* image = Image()) {
        FormatTag tag = TagOf(Value);
        image->bitsPerPixel = tag.bitsPerPixel;
        image->dibSection = tag.dibSection;
    }
    Changed();
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(*this);
        FCanvas->OnChange = [this](TObject*) { Changed(); };
    }
    return FCanvas.get();
}

void TBitmap::SetHandle(HBITMAP Value) {
    if (Value == FHandle) {
        return;
    }
    GdiBitmap* taken = Value ? FindBitmap(Value) : nullptr;
    if (Value && taken == nullptr) {
        throw EInvalidGraphicOperation("Invalid bitmap handle");
    }
    ReplaceImage(Value);
    FWidth = taken ? taken->pixels.Width() : 0;
    FHeight = taken ? taken->pixels.Height() : 0;
    if (taken) {
        FPixelFormat = FormatOf(*taken);
    }
    Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
    HBITMAP released = FHandle;
    FHandle = nullptr;
    FWidth = FHeight = 0;
    return released;
}

TColor TBitmap::TransparentColor() {
    if (FTransparentColor == clDefault) {
        return Canvas()->Pixels(0, FHeight - 1);
    }
    return ColorToRGB(FTransparentColor);
}

void TBitmap::SetTransparentColor(TColor Value) {
    if (Value == FTransparentColor) {
        return;
    }
    FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
    FTransparentColor = Value;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
    if (Value == FTransparentMode) {
        return;
    }
    SetTransparentColor(Value == tmAuto ? clDefault : TransparentColor());
}

void TBitmap::Assign(TPersistent* Source) {
    if (Source == this) {
        return;
    }
    if (Source != nullptr && dynamic_cast<TBitmap*>(Source) == nullptr) {
        TGraphic::Assign(Source);
        return;
    }
    auto* bitmap = static_cast<TBitmap*>(Source);
    if (bitmap != nullptr) {
        GdiBitmap* image = bitmap->Image();
        SetImagePixels(image ? image->pixels : Surface(), bitmap->FPixelFormat);
        FWidth = bitmap->FWidth;
        FHeight = bitmap->FHeight;
        FTransparent = bitmap->FTransparent;
        FTransparentColor = bitmap->FTransparentColor;
        FTransparentMode = bitmap->FTransparentMode;
    } else {
        SetImagePixels(Surface(), FPixelFormat);
    }
    Changed();
}

void TBitmap::LoadFromStream(std::istream& Stream) {
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(Stream)),
                               std::istreambuf_iterator<char>());
    BmpImage image = DecodeBmp(bytes);
    SetImagePixels(std::move(image.pixels), image.bitsPerPixel == 32 ? pf32bit : pf24bit);
    Changed();
}

void TBitmap::SaveToStream(std::ostream& Stream) {
    GdiBitmap* image = Image();
    std::vector<uint8_t> bytes =
        EncodeBmp(image ? image->pixels : Surface(), FPixelFormat == pf32bit ? 32 : 24);
    Stream.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

uint32_t* TBitmap::PixelRow(int Row) {
    GdiBitmap* image = Image();
    return image && Row >= 0 && Row < FHeight ? image->pixels.Row(Row) : nullptr;
}

const uint32_t* TBitmap::PixelRow(int Row) const {
    GdiBitmap* image = Image();
    return image && Row >= 0 && Row < FHeight ? image->pixels.Row(Row) : nullptr;
}

std::optional<TBitmap::DrawRecord> TBitmap::PlaceOf(TCanvas* ACanvas, const TRect& Rect) {
    GdiBitmap* image = Image();
    DrawingTarget target = ACanvas->Target();
    if (image == nullptr || target.surface == nullptr ||
        (!FTransparent && ACanvas->CopyMode() != cmSrcCopy)) {
        return std::nullopt;
    }
    DrawRecord record{target.surface->Version(),
                      image->pixels.Version(),
                      RECT{Rect.left + target.origin.x, Rect.top + target.origin.y,
                           Rect.right + target.origin.x, Rect.bottom + target.origin.y},
                      target.clip,
                      FTransparent,
                      FTransparentColor,
                      0};
    if (record.target == 0 || record.source == 0) {
        return std::nullopt;
    }
    return record;
}

std::optional<TBitmap::DrawRecord> TBitmap::RecordOf(TCanvas* ACanvas, const TRect& Rect) {
    std::optional<DrawRecord> record = PlaceOf(ACanvas, Rect);
    if (record && record->transparent) {
        record->transparentPixel = PixelFromColorRef(TransparentColor() & 0xFFFFFF);
    }
    return record;
}

bool TBitmap::RepeatsLastDraw(TCanvas* ACanvas, const TRect& Rect) {
    if (!FLastDraw) {
        return false;
    }
    std::optional<DrawRecord> now = PlaceOf(ACanvas, Rect);
    if (!now) {
        return false;
    }
    if (now->transparent) {
        // The bottom-left pixel of the same pixels is the same; only a colour set by hand is
        // worked out again.
        now->transparentPixel =
            FTransparentColor == clDefault && FLastDraw->transparentColor == clDefault
                ? FLastDraw->transparentPixel
                : PixelFromColorRef(TransparentColor() & 0xFFFFFF);
    }
    return FLastDraw == now;
}

void TBitmap::Drawn(TCanvas* ACanvas, const TRect& Rect) {
    FLastDraw = RecordOf(ACanvas, Rect);
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
    GdiBitmap* image = Image();
    DrawingTarget target = ACanvas->Target();
    if (image == nullptr || target.surface == nullptr) {
        return;
    }
    RECT to{Rect.left + target.origin.x, Rect.top + target.origin.y, Rect.right + target.origin.x,
            Rect.bottom + target.origin.y};
    RECT from{0, 0, FWidth, FHeight};
    if (FTransparent) {
        ACanvas->FPictureChangedNothing =
            !TransparentBlit(*target.surface, target.clip, to, image->pixels, from,
                             PixelFromColorRef(TransparentColor() & 0xFFFFFF));
    } else {
        StretchBlit(*target.surface, target.clip, to, &image->pixels, from, ACanvas->CopyMode(),
                    PixelFromColorRef(ColorToRGB(ACanvas->Brush()->Color()) & 0xFFFFFF));
    }
}
