#pragma once
// The class library's bitmap. Its image is a GDI bitmap: Handle() gives it to GDI calls, and
// it is 0 while the bitmap has no image (a width or height of 0). The pixels are kept at
// 32 bits whatever PixelFormat says; the format decides what GDI reports and how the bitmap is
// saved. OnChange is raised, as the class library raises it, when the bitmap is assigned,
// loaded, resized, given another format, handle or transparency setting, and after every
// drawing operation of its canvas.

#include "platform/gdi/GdiHandles.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphic.h"

#include <cstdint>
#include <memory>
#include <optional>

class GdiBitmap;

enum class TPixelFormat { pfDevice, pf24bit, pf32bit };
using enum TPixelFormat;

// tmAuto takes the transparent colour from the bottom-left pixel; tmFixed uses the colour set.
enum class TTransparentMode { tmAuto, tmFixed };
using enum TTransparentMode;

class TBitmap : public TGraphic {
public:
    HUSHWAVE_CLASS_NAME(TBitmap)

    TBitmap();
    ~TBitmap() override;

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int Value) override { SetSize(Value, FHeight); }
    void SetHeight(int Value) override { SetSize(FWidth, Value); }
    // Keeps the pixels that remain inside; new ones are white. Throws EOutOfResources beyond
    // 32768 pixels a side or 256 MiB.
    void SetSize(int AWidth, int AHeight);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);

    TCanvas* Canvas();

    HBITMAP Handle() const { return FHandle; }
    // The bitmap takes the handle over and deletes the image it had. Throws
    // EInvalidGraphicOperation for a handle that is not a bitmap.
    void SetHandle(HBITMAP Value);
    // Gives the image's handle to the caller, who deletes it; the bitmap is left empty.
    HBITMAP ReleaseHandle();

    TColor TransparentColor();
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);

    void Assign(TPersistent* Source) override;
    // Reads a BMP file from the stream's position to its end.
    void LoadFromStream(std::istream& Stream) override;
    // Writes a BMP file of 32 bits per pixel for pf32bit, of 24 otherwise.
    void SaveToStream(std::ostream& Stream) override;

    // One row of the image, top row 0, as 32-bit pixels 0x00RRGGBB (bytes blue, green, red,
    // unused) whatever PixelFormat says; null without an image. Writing through it raises no
    // OnChange.
    uint32_t* PixelRow(int Row);
    const uint32_t* PixelRow(int Row) const;

protected:
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;
    bool RepeatsLastDraw(TCanvas* ACanvas, const TRect& Rect) override;
    void Drawn(TCanvas* ACanvas, const TRect& Rect) override;

private:
    class TBitmapCanvas;
    // A drawing that writes the same pixels each time it is repeated (a transparent copy or a
    // plain one), named by the versions of the pixels it read and left.
    struct DrawRecord {
        uint64_t target = 0;
        uint64_t source = 0;
        RECT to;
        RECT clip;
        bool transparent = false;
        // The colour setting the transparent pixel came from: clDefault takes it from the
        // source's own pixels, which the source's version names.
        TColor transparentColor = clDefault;
        uint32_t transparentPixel = 0;
        friend bool operator==(const DrawRecord&, const DrawRecord&) = default;
    };
    // The record of drawing on the canvas's target now, without its transparent pixel.
    std::optional<DrawRecord> PlaceOf(TCanvas* ACanvas, const TRect& Rect);
    std::optional<DrawRecord> RecordOf(TCanvas* ACanvas, const TRect& Rect);

    GdiBitmap* Image() const;
    void ReplaceImage(HBITMAP Handle);
    // Throws EOutOfResources when GDI has no room for another bitmap; the bitmap is then as
    // it was.
    void SetImagePixels(Surface Pixels, TPixelFormat Format);

    HBITMAP FHandle;
    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = pfDevice;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
    std::unique_ptr<TCanvas> FCanvas;
    std::optional<DrawRecord> FLastDraw;
};
