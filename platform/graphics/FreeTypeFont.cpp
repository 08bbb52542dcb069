#include "platform/graphics/FontLibrary.h"
#include "platform/graphics/ScaledFont.h"
#include "platform/graphics/Utf8.h"

#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// A rendered glyph: 8-bit coverage rows, placed relative to the pen on the baseline.
struct Glyph {
    std::vector<uint8_t> coverage;
    int width = 0;
    int rows = 0;
    int left = 0;
    int top = 0; // rows above the baseline
    int advance = 0;
};

int RoundScaled(long fontUnits, int em, int unitsPerEm) {
    return int(std::lround(double(fontUnits) * em / unitsPerEm));
}

// Windows bitmap fonts number their glyphs by the bytes of code page 1252.
FT_ULong Cp1252ByteOf(char32_t c) {
    static constexpr char16_t k80To9F[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (int i = 0; i < 32; ++i) {
        if (k80To9F[i] != 0 && k80To9F[i] == c) {
            return FT_ULong(0x80 + i);
        }
    }
    return 0;
}

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// One face at one size, with the glyphs rendered so far.
class Face {
public:
    Face(const fonts::FaceChoice& choice, int em) : m_choice(choice) {
        if (FT_New_Face(fonts::Library(), choice.file.c_str(), choice.index, &m_face) != 0) {
            throw std::runtime_error("FreeType cannot open " + choice.file);
        }
        m_scalable = FT_IS_SCALABLE(m_face);
        if (m_scalable) {
            FT_Set_Pixel_Sizes(m_face, 0, FT_UInt(std::max(1, em)));
        } else {
            FT_Select_Size(m_face, 0);
        }
        if (FT_Select_Charmap(m_face, FT_ENCODING_UNICODE) != 0 && m_face->num_charmaps > 0) {
            FT_Set_Charmap(m_face, m_face->charmaps[0]);
            m_byCodePage = true;
        }
    }
    ~Face() { FT_Done_Face(m_face); }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    FT_Face Native() const { return m_face; }
    bool Scalable() const { return m_scalable; }
    FT_UInt IndexOf(char32_t character) const {
        FT_ULong code = m_byCodePage ? Cp1252ByteOf(character) : character;
        return code == 0 && character != 0 ? 0 : FT_Get_Char_Index(m_face, code);
    }

    const Glyph& GlyphAt(FT_UInt index) {
        auto it = m_glyphs.find(index);
        if (it == m_glyphs.end()) {
            it = m_glyphs.emplace(index, Render(index)).first;
        }
        return it->second;
    }

private:
    Glyph Render(FT_UInt index) const {
        Glyph g;
        if (FT_Load_Glyph(m_face, index, m_scalable ? FT_LOAD_NO_BITMAP : FT_LOAD_DEFAULT) != 0) {
            return g;
        }
        FT_GlyphSlot slot = m_face->glyph;
        if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            if (m_choice.synthesizeItalic) {
                FT_GlyphSlot_Oblique(slot);
            }
            if (m_choice.synthesizeBold) {
                FT_GlyphSlot_Embolden(slot);
            }
            FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL);
        }
        const FT_Bitmap& bitmap = slot->bitmap;
        g.width = int(bitmap.width);
        g.rows = int(bitmap.rows);
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.advance = int((slot->advance.x + 32) >> 6);
        g.coverage.resize(size_t(g.width) * size_t(g.rows));
        for (int r = 0; r < g.rows; ++r) {
            const uint8_t* src = bitmap.buffer + long(r) * bitmap.pitch;
            for (int c = 0; c < g.width; ++c) {
                uint8_t value = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                    ? ((src[c / 8] >> (7 - c % 8)) & 1 ? 255 : 0)
                                    : src[c];
                g.coverage[size_t(r) * size_t(g.width) + size_t(c)] = value;
            }
        }
        if (slot->format == FT_GLYPH_FORMAT_BITMAP) {
            if (m_choice.synthesizeItalic) {
                Shear(g);
            }
            if (m_choice.synthesizeBold) {
                Overstrike(g);
            }
        }
        return g;
    }

    // Bitmap faces are made bold as GDI makes them: the glyph drawn twice, one pixel apart.
    static void Overstrike(Glyph& g) {
        std::vector<uint8_t> wide(size_t(g.width + 1) * size_t(g.rows));
        for (int r = 0; r < g.rows; ++r) {
            for (int c = 0; c <= g.width; ++c) {
                uint8_t here = c < g.width ? g.coverage[size_t(r * g.width + c)] : 0;
                uint8_t before = c > 0 ? g.coverage[size_t(r * g.width + c - 1)] : 0;
                wide[size_t(r * (g.width + 1) + c)] = std::max(here, before);
            }
        }
        g.coverage = std::move(wide);
        g.width += 1;
        g.advance += 1;
    }

    // Bitmap faces are slanted by shifting each row right by a quarter of its height above
    // the baseline.
    static void Shear(Glyph& g) {
        if (g.rows == 0) {
            return;
        }
        auto shift = [&](int r) { return FloorDiv(g.top - 1 - r, 4); };
        int lowest = shift(g.rows - 1), highest = shift(0);
        int width = g.width + highest - lowest;
        std::vector<uint8_t> slanted(size_t(width) * size_t(g.rows));
        for (int r = 0; r < g.rows; ++r) {
            int offset = shift(r) - lowest;
            std::copy_n(g.coverage.begin() + long(r) * g.width, g.width,
                        slanted.begin() + long(r) * width + offset);
        }
        g.coverage = std::move(slanted);
        g.left += lowest;
        g.width = width;
    }

    fonts::FaceChoice m_choice;
    FT_Face m_face = nullptr;
    bool m_scalable = false;
    bool m_byCodePage = false;
    std::map<FT_UInt, Glyph> m_glyphs;
};

class FreeTypeFont final : public ScaledFont {
public:
    explicit FreeTypeFont(const FontRequest& request) : m_request(request) {
        fonts::FaceChoice choice = fonts::ChooseFace(request);
        int height = request.height == 0 ? -11 : request.height;
        m_primary = std::make_unique<Face>(choice, EmFor(choice, height));
        MeasureFace(height);
    }

    const FontMetrics& Metrics() const override { return m_metrics; }

    int TextWidth(std::string_view text) const override {
        int width = 0;
        for (char32_t c : DecodeUtf8(text)) {
            width += GlyphFor(c).advance;
        }
        return width;
    }

    void Draw(Surface& target, int x, int y, std::string_view text, uint32_t pixel,
              const RECT& clip) const override {
        RECT box{std::max<LONG>(clip.left, 0), std::max<LONG>(clip.top, 0),
                 std::min<LONG>(clip.right, target.Width()),
                 std::min<LONG>(clip.bottom, target.Height())};
        if (box.left >= box.right || box.top >= box.bottom) {
            return;
        }
        const int baseline = y + m_metrics.ascent;
        int pen = x;
        for (char32_t c : DecodeUtf8(text)) {
            const Glyph& g = GlyphFor(c);
            Blend(target, box, g, pen + g.left, baseline - g.top, pixel);
            pen += g.advance;
        }
        if (m_request.underline) {
            FillLine(target, box, x, pen, baseline + m_underlineOffset, m_lineThickness, pixel);
        }
        if (m_request.strikeOut) {
            FillLine(target, box, x, pen, baseline - m_strikeOutOffset, m_lineThickness, pixel);
        }
    }

    std::string FaceName() const override { return m_primary->Native()->family_name; }

private:
    // The pixel size of the em for a scalable face; bitmap faces have theirs.
    static int EmFor(const fonts::FaceChoice& choice, int height) {
        if (height < 0) {
            return -height;
        }
        Face probe(choice, 0);
        FT_Face f = probe.Native();
        if (!probe.Scalable()) {
            return 0;
        }
        long cell = f->ascender - f->descender;
        if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
            os2 && os2->usWinAscent + os2->usWinDescent > 0) {
            cell = os2->usWinAscent + os2->usWinDescent;
        }
        return std::max(1, int(std::lround(double(height) * f->units_per_EM / double(cell))));
    }

    void MeasureFace(int height) {
        FT_Face f = m_primary->Native();
        if (m_primary->Scalable()) {
            m_em = height < 0 ? -height : int(f->size->metrics.y_ppem);
            const int upem = f->units_per_EM;
            auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
            if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
                m_metrics.ascent = RoundScaled(os2->usWinAscent, m_em, upem);
                m_metrics.descent = RoundScaled(os2->usWinDescent, m_em, upem);
                m_metrics.averageCharWidth = RoundScaled(os2->xAvgCharWidth, m_em, upem);
                m_strikeOutOffset = RoundScaled(os2->yStrikeoutPosition, m_em, upem);
            } else {
                m_metrics.ascent = RoundScaled(f->ascender, m_em, upem);
                m_metrics.descent = RoundScaled(-f->descender, m_em, upem);
                m_metrics.averageCharWidth = m_em / 2;
                m_strikeOutOffset = m_metrics.ascent / 3;
            }
            m_underlineOffset = std::max(1, RoundScaled(-f->underline_position, m_em, upem));
            m_lineThickness = std::max(1, RoundScaled(f->underline_thickness, m_em, upem));
        } else {
            const FT_Bitmap_Size& size = f->available_sizes[0];
            m_em = int((size.y_ppem + 32) >> 6);
            m_metrics.ascent = int(f->size->metrics.ascender >> 6);
            m_metrics.descent = int(-f->size->metrics.descender >> 6);
            m_metrics.averageCharWidth = size.width;
            m_underlineOffset = 1;
            m_lineThickness = 1;
            m_strikeOutOffset = m_metrics.ascent / 3;
        }
        m_metrics.height = m_metrics.ascent + m_metrics.descent;
        m_metrics.internalLeading = m_metrics.height - m_em;
    }

    // The glyph of the primary face, or of a face that has one when the primary lacks it.
    const Glyph& GlyphFor(char32_t c) const {
        FT_UInt index = m_primary->IndexOf(c);
        if (index == 0 && c >= 0x20) {
            if (auto choice = fonts::FallbackFace(c, m_request)) {
                auto it = m_fallbacks.find(*choice);
                if (it == m_fallbacks.end()) {
                    it = m_fallbacks.emplace(*choice, std::make_unique<Face>(*choice, m_em)).first;
                }
                if (FT_UInt other = it->second->IndexOf(c)) {
                    return it->second->GlyphAt(other);
                }
            }
        }
        return m_primary->GlyphAt(index);
    }

    static void Blend(Surface& target, const RECT& box, const Glyph& g, int left, int top,
                      uint32_t pixel) {
        const int r = PixelRed(pixel), gr = PixelGreen(pixel), b = PixelBlue(pixel);
        for (int row = std::max(0, int(box.top) - top); row < g.rows && top + row < box.bottom;
             ++row) {
            uint32_t* out = target.Row(top + row);
            for (int col = std::max(0, int(box.left) - left);
                 col < g.width && left + col < box.right; ++col) {
                int a = g.coverage[size_t(row) * size_t(g.width) + size_t(col)];
                if (a == 0) {
                    continue;
                }
                uint32_t& d = out[left + col];
                auto mix = [a](int from, int to) { return uint8_t(from + (to - from) * a / 255); };
                d = PixelFromRgb(mix(PixelRed(d), r), mix(PixelGreen(d), gr), mix(PixelBlue(d), b));
            }
        }
    }

    static void FillLine(Surface& target, const RECT& box, int x0, int x1, int y, int thickness,
                         uint32_t pixel) {
        for (int row = std::max<int>(y, box.top); row < std::min<int>(y + thickness, box.bottom);
             ++row) {
            uint32_t* out = target.Row(row);
            for (int col = std::max<int>(x0, box.left); col < std::min<int>(x1, box.right); ++col) {
                out[col] = pixel;
            }
        }
    }

    FontRequest m_request;
    std::unique_ptr<Face> m_primary;
    mutable std::map<fonts::FaceChoice, std::unique_ptr<Face>> m_fallbacks;
    FontMetrics m_metrics;
    int m_em = 0;
    int m_underlineOffset = 1;
    int m_strikeOutOffset = 0;
    int m_lineThickness = 1;
};

} // namespace

const ScaledFont& FontFor(const FontRequest& request) {
    static std::map<FontRequest, std::unique_ptr<FreeTypeFont>> fonts;
    auto it = fonts.find(request);
    if (it == fonts.end()) {
        it = fonts.emplace(request, std::make_unique<FreeTypeFont>(request)).first;
    }
    return *it->second;
}
