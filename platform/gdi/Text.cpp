#include "platform/gdi/Gdi.h"

#include "platform/graphics/Raster.h"
#include "platform/graphics/ScaledFont.h"
#include "platform/kernel/LastError.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

RECT Intersect(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

std::string_view TextOf(const char* text, int length) {
    return length < 0 ? std::string_view(text) : std::string_view(text, size_t(length));
}

// One line as DrawText shows it: the text without its prefix characters, and the byte range
// of the character a single '&' marked for underlining.
struct Line {
    std::string text;
    std::optional<std::pair<size_t, size_t>> underlined;
};

Line WithoutPrefixes(std::string_view raw) {
    Line line;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '&' && i + 1 < raw.size()) {
            ++i;
            if (raw[i] != '&' && !line.underlined) {
                size_t length = 1;
                while (i + length < raw.size() && (raw[i + length] & 0xC0) == 0x80) {
                    ++length;
                }
                line.underlined = {line.text.size(), line.text.size() + length};
            }
        } else if (raw[i] == '&') {
            continue;
        }
        line.text.push_back(raw[i]);
    }
    return line;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            lines.emplace_back();
        } else {
            lines.back().push_back(text[i]);
        }
    }
    return lines;
}

// Breaks a line between words so that each piece fits the width; a word wider than the width
// stands on a line of its own.
std::vector<Line> WrapLine(const Line& line, const ScaledFont& font, int width) {
    std::vector<Line> pieces;
    const std::string& text = line.text;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start, fit = start;
        while (end < text.size()) {
            size_t next = text.find(' ', end + 1);
            next = next == std::string::npos ? text.size() : next;
            if (fit > start &&
                font.TextWidth(std::string_view(text).substr(start, next - start)) > width) {
                break;
            }
            fit = end = next;
        }
        Line piece{text.substr(start, fit - start), std::nullopt};
        if (line.underlined && line.underlined->first >= start && line.underlined->second <= fit) {
            piece.underlined = {line.underlined->first - start, line.underlined->second - start};
        }
        pieces.push_back(std::move(piece));
        start = fit;
        while (start < text.size() && text[start] == ' ') {
            ++start;
        }
    }
    if (pieces.empty()) {
        pieces.push_back(Line{});
    }
    return pieces;
}

// Draws one line with its top-left cell corner at (x, y) in the context's coordinates: the
// cell in the background colour when the background mode is opaque, then the glyphs.
void DrawRun(const DeviceContext& dc, const DrawingTarget& target, int x, int y, const Line& line,
             const RECT& clip) {
    const ScaledFont& font = FontFor(dc.font);
    const int left = x + target.origin.x, top = y + target.origin.y;
    const int width = font.TextWidth(line.text);
    const RECT area = Intersect(clip, target.clip);
    if (dc.backgroundMode == OPAQUE) {
        FillRectangle(*target.surface, area, {left, top, left + width, top + font.Metrics().height},
                      Paint{PixelFromColorRef(dc.backgroundColor)});
    }
    const uint32_t pixel = PixelFromColorRef(dc.textColor);
    font.Draw(*target.surface, left, top, line.text, pixel, area);
    if (line.underlined) {
        std::string_view text(line.text);
        int from = left + font.TextWidth(text.substr(0, line.underlined->first));
        int to = left + font.TextWidth(text.substr(0, line.underlined->second));
        int baseline = top + font.Metrics().ascent;
        FillRectangle(*target.surface, area, {from, baseline + 1, to, baseline + 2}, Paint{pixel});
    }
}

} // namespace

HFONT CreateFontIndirect(const LOGFONTA* font) {
    if (font == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    FontRequest request;
    request.name = std::string(font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE));
    request.height = font->lfHeight;
    request.bold = font->lfWeight >= 600;
    request.italic = font->lfItalic != 0;
    request.underline = font->lfUnderline != 0;
    request.strikeOut = font->lfStrikeOut != 0;
    request.charset = font->lfCharSet;
    return HFONT(AddGdiObject(std::make_unique<GdiFont>(request)));
}

BOOL TextOut(HDC hdc, int x, int y, const char* text, int length) {
    DeviceContext* dc = FindDeviceContext(hdc);
    if (dc == nullptr || text == nullptr) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    DrawingTarget target = dc->Target();
    if (target.surface == nullptr) {
        return FALSE;
    }
    DrawRun(*dc, target, x, y, Line{std::string(TextOf(text, length)), std::nullopt},
            RECT{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC hdc, const char* text, int length, SIZE* size) {
    DeviceContext* dc = FindDeviceContext(hdc);
    if (dc == nullptr || text == nullptr || size == nullptr) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const ScaledFont& font = FontFor(dc->font);
    *size = SIZE{font.TextWidth(TextOf(text, length)), font.Metrics().height};
    return TRUE;
}

int DrawText(HDC hdc, const char* text, int length, RECT* rect, UINT format) {
    DeviceContext* dc = FindDeviceContext(hdc);
    if (dc == nullptr || text == nullptr || rect == nullptr) {
        SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return 0;
    }
    const ScaledFont& font = FontFor(dc->font);
    const int lineHeight = font.Metrics().height;
    const int width = rect->right - rect->left;
    std::vector<Line> lines;
    std::vector<std::string> raw = format & DT_SINGLELINE
                                       ? std::vector<std::string>{std::string(TextOf(text, length))}
                                       : SplitLines(TextOf(text, length));
    for (const std::string& part : raw) {
        Line line = format & DT_NOPREFIX ? Line{part, std::nullopt} : WithoutPrefixes(part);
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            for (Line& piece : WrapLine(line, font, width)) {
                lines.push_back(std::move(piece));
            }
        } else {
            lines.push_back(std::move(line));
        }
    }
    const int textHeight = lineHeight * int(lines.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& line : lines) {
            widest = std::max(widest, font.TextWidth(line.text));
        }
        rect->right = rect->left + widest;
        rect->bottom = rect->top + textHeight;
        return textHeight;
    }
    DrawingTarget target = dc->Target();
    if (target.surface == nullptr) {
        return 0;
    }
    // Vertical placement applies to single lines only, as in GDI.
    int top = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) {
            top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
        } else if (format & DT_BOTTOM) {
            top = rect->bottom - lineHeight;
        }
    }
    RECT clip{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    if (!(format & DT_NOCLIP)) {
        clip = {rect->left + target.origin.x, rect->top + target.origin.y,
                rect->right + target.origin.x, rect->bottom + target.origin.y};
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        int lineWidth = font.TextWidth(lines[i].text);
        int x = rect->left;
        if (format & DT_CENTER) {
            x = rect->left + (width - lineWidth) / 2;
        } else if (format & DT_RIGHT) {
            x = rect->right - lineWidth;
        }
        DrawRun(*dc, target, x, top + lineHeight * int(i), lines[i], clip);
    }
    return format & (DT_VCENTER | DT_BOTTOM) ? top - rect->top + textHeight : textHeight;
}
