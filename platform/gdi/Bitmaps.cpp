#include "platform/gdi/Gdi.h"

#include "platform/graphics/Blit.h"
#include "platform/kernel/LastError.h"

namespace {

bool ReadsSource(DWORD rop) {
    const unsigned table = (rop >> 16) & 0xFF;
    return ((table >> 2) & 0x33) != (table & 0x33);
}

RECT Placed(const DrawingTarget& target, int x, int y, int width, int height) {
    LONG left = target.origin.x + x, top = target.origin.y + y;
    return {left, top, LONG(int64_t(left) + width), LONG(int64_t(top) + height)};
}

} // namespace

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
    if (bits != nullptr) {
        *bits = nullptr;
    }
    if (hdc && !FindDeviceContext(hdc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const BITMAPINFOHEADER* h = info ? &info->bmiHeader : nullptr;
    if (h == nullptr || h->biSize < sizeof(BITMAPINFOHEADER) || h->biPlanes != 1 ||
        h->biBitCount != 32 || h->biCompression != BI_RGB || usage != DIB_RGB_COLORS || section ||
        offset != 0 || h->biWidth <= 0 || h->biHeight == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const long long height = h->biHeight < 0 ? -(long long)h->biHeight : h->biHeight;
    if (!Surface::IsAcceptableSize(h->biWidth, height)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    RowOrder order = h->biHeight > 0 ? RowOrder::BottomUp : RowOrder::TopDown;
    HBITMAP bitmap = CreateBitmapObject(Surface(h->biWidth, int(height), order), 32, true);
    if (!bitmap) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (bits != nullptr) {
        *bits = FindBitmap(bitmap)->pixels.Bits();
    }
    return bitmap;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    if (!FindDeviceContext(hdc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!Surface::IsAcceptableSize(width, height)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateBitmapObject(Surface(width, height), 32, false);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop) {
    DeviceContext* to = FindDeviceContext(dest);
    DeviceContext* from = ReadsSource(rop) ? FindDeviceContext(source) : nullptr;
    if (to == nullptr || (ReadsSource(rop) && from == nullptr)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    DrawingTarget target = to->Target();
    DrawingTarget origin = from ? from->Target() : DrawingTarget{};
    if (target.surface == nullptr || (from && origin.surface == nullptr)) {
        return FALSE;
    }
    StretchBlit(*target.surface, target.clip, Placed(target, x, y, width, height), origin.surface,
                Placed(origin, sourceX, sourceY, sourceWidth, sourceHeight), rop, 0xFFFFFF);
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    return StretchBlt(dest, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}
