#include "platform/gdi/Gdi.h"

#include "platform/kernel/LastError.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

DeviceContext* ValidContext(HDC hdc) {
    DeviceContext* dc = FindDeviceContext(hdc);
    if (dc == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return dc;
}

void Deselect(HBITMAP bitmap) {
    if (GdiBitmap* b = FindBitmap(bitmap)) {
        b->selections = std::max(0, b->selections - 1);
    }
}

LOGFONTA LogFontOf(const FontRequest& request) {
    LOGFONTA font{};
    font.lfHeight = request.height;
    font.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = request.italic;
    font.lfUnderline = request.underline;
    font.lfStrikeOut = request.strikeOut;
    font.lfCharSet = BYTE(request.charset);
    std::strncpy(font.lfFaceName, request.name.c_str(), LF_FACESIZE - 1);
    return font;
}

} // namespace

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !FindDeviceContext(hdc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    HBITMAP stock = StockBitmap();
    HDC dc(AddGdiObject(std::make_unique<DeviceContext>(stock)).value);
    if (!dc) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    FindBitmap(stock)->selections++;
    return dc;
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = ValidContext(hdc);
    if (dc == nullptr) {
        return FALSE;
    }
    if (!dc->external) {
        Deselect(dc->bitmap);
    }
    RemoveGdiObject(hdc.value);
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = ValidContext(hdc);
    GdiObject* target = FindGdiObject(object.value);
    if (dc == nullptr || target == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (auto* bitmap = dynamic_cast<GdiBitmap*>(target)) {
        // A bitmap goes into one memory context at a time; the stock bitmap into any.
        if (dc->external || (bitmap->selections > 0 && !bitmap->stock)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        HBITMAP previous = dc->bitmap;
        Deselect(previous);
        bitmap->selections++;
        dc->bitmap = HBITMAP(object);
        return previous;
    }
    if (auto* font = dynamic_cast<GdiFont*>(target)) {
        HFONT previous = dc->fontHandle;
        dc->fontHandle = HFONT(object);
        dc->font = font->request;
        return previous;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

BOOL DeleteObject(HGDIOBJ object) {
    GdiObject* target = FindGdiObject(object.value);
    if (target == nullptr || dynamic_cast<DeviceContext*>(target) != nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (target->stock) {
        return TRUE;
    }
    if (target->selections > 0) {
        return FALSE;
    }
    RemoveGdiObject(object.value);
    return TRUE;
}

int GetObject(HGDIOBJ object, int size, void* buffer) {
    GdiObject* target = FindGdiObject(object.value);
    if (auto* bitmap = dynamic_cast<GdiBitmap*>(target)) {
        if (buffer == nullptr) {
            return int(sizeof(BITMAP));
        }
        if (size < int(sizeof(BITMAP))) {
            return 0;
        }
        BITMAP info{};
        info.bmWidth = bitmap->pixels.Width();
        info.bmHeight = bitmap->pixels.Height();
        info.bmPlanes = 1;
        info.bmBitsPixel = bitmap->bitsPerPixel;
        // DIB rows are padded to 4 bytes, device-dependent ones to 2.
        const LONG rowBits = info.bmWidth * bitmap->bitsPerPixel;
        info.bmWidthBytes = bitmap->dibSection ? (rowBits + 31) / 32 * 4 : (rowBits + 15) / 16 * 2;
        // The pixels are held at 32 bits, so only a 32-bit section can show them as they are.
        info.bmBits =
            bitmap->dibSection && bitmap->bitsPerPixel == 32 ? bitmap->pixels.Bits() : nullptr;
        std::memcpy(buffer, &info, sizeof info);
        return int(sizeof info);
    }
    if (auto* font = dynamic_cast<GdiFont*>(target)) {
        if (buffer == nullptr) {
            return int(sizeof(LOGFONTA));
        }
        if (size < int(sizeof(LOGFONTA))) {
            return 0;
        }
        LOGFONTA info = LogFontOf(font->request);
        std::memcpy(buffer, &info, sizeof info);
        return int(sizeof info);
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
}

int SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = ValidContext(hdc);
    if (dc == nullptr) {
        return 0;
    }
    if (mode != TRANSPARENT && mode != OPAQUE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return std::exchange(dc->backgroundMode, mode);
}

int GetBkMode(HDC hdc) {
    DeviceContext* dc = ValidContext(hdc);
    return dc ? dc->backgroundMode : 0;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = ValidContext(hdc);
    return dc ? std::exchange(dc->backgroundColor, color & 0xFFFFFF) : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = ValidContext(hdc);
    return dc ? std::exchange(dc->textColor, color & 0xFFFFFF) : CLR_INVALID;
}
