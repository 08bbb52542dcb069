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

FontSpec TFont::Spec() const {
    FontSpec spec;
    spec.name = FName;
    spec.height = FHeight;
    spec.bold = FStyle.Contains(fsBold);
    spec.italic = FStyle.Contains(fsItalic);
    spec.underline = FStyle.Contains(fsUnderline);
    spec.strikeOut = FStyle.Contains(fsStrikeOut);
    spec.charset = FCharset;
    return spec;
}

HFONT TFont::Handle() {
    FontSpec spec = Spec();
    if (FHandle && FHandleSpec == spec) {
        return FHandle;
    }
    ReleaseHandle();
    FHandle = HFONT(AddGdiObject(std::make_unique<GdiFont>(spec)));
    FHandleSpec = spec;
    return FHandle;
}

void TFont::ReleaseHandle() {
    if (FHandle) {
        DeleteObject(FHandle);
        FHandle = nullptr;
    }
}
