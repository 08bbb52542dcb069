#pragma once
// The class library's font: face name, height (negative: character height in pixels), size in
// points at 96 pixels per inch, style, colour and character set.

#include "platform/core/Set.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/graphics/FontRequest.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphicsObject.h"

#include <string>

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
using enum TFontStyle;

using TFontCharset = uint8_t;

class TFont : public TGraphicsObject {
public:
    HUSHWAVE_CLASS_NAME(TFont)

    static constexpr int PixelsPerInch = 96;

    TFont() = default;
    ~TFont() override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { Update(FName, Value); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { Update(FHeight, Value); }
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value) { Update(FStyle, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Update(FColor, Value); }
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset Value) { Update(FCharset, Value); }

    void Assign(TPersistent* Source) override;

    // What the text engine and the GDI layer need to know of this font.
    FontRequest Request() const;
    // A GDI font of this font, owned by it and remade after every change.
    HFONT Handle();

private:
    void ReleaseHandle();

    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontCharset FCharset = DEFAULT_CHARSET;
    HFONT FHandle;
    FontRequest FHandleRequest;
};
