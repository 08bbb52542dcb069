#include "platform/graphics/TFont.h"

#include "platform/gdi/Gdi.h"

#include <cstdlib>

namespace {

// a * b / c rounded half away from zero, as Win32's MulDiv.
int MulDiv(int a, int b, int c) {
    long long product = (long long)a * b;
    long long half = std::llabs(c) / 2;
    long long q = ((product < 0) != (c < 0)) ? (product - half) / c : (product + half) / c;
    return int(q);
}

} // namespace

TFont::~TFont() {
    ReleaseHandle();
}

int TFont::Size() const {
    return -MulDiv(FHeight, 72, PixelsPerInch);
}

void TFont::SetSize(int Value) {
    SetHeight(-MulDiv(Value, PixelsPerInch, 72));
}

void TFont::Assign(TPersistent* Source) {
    if (auto* font = dynamic_cast<TFont*>(Source)) {
        if (FName != font->FName || FHeight != font->FHeight || !(FStyle == font->FStyle) ||
            FColor != font->FColor || FCharset != font->FCharset) {
            FName = font->FName;
            FHeight = font->FHeight;
            FStyle = font->FStyle;
            FColor = font->FColor;
            FCharset = font->FCharset;
            Changed();
        }
        return;
    }
    TGraphicsObject::Assign(Source);
}

FontRequest TFont::Request() const {
    FontRequest request;
    request.name = FName;
    request.height = FHeight;
    request.bold = FStyle.Contains(fsBold);
    request.italic = FStyle.Contains(fsItalic);
    request.underline = FStyle.Contains(fsUnderline);
    request.strikeOut = FStyle.Contains(fsStrikeOut);
    request.charset = FCharset;
    return request;
}

HFONT TFont::Handle() {
    FontRequest request = Request();
    if (FHandle && FHandleRequest == request) {
        return FHandle;
    }
    ReleaseHandle();
    FHandle = HFONT(AddGdiObject(std::make_unique<GdiFont>(request)));
    FHandleRequest = request;
    return FHandle;
}

void TFont::ReleaseHandle() {
    if (FHandle) {
        DeleteObject(FHandle);
        FHandle = nullptr;
    }
}
