#include "platform/gdi/Gdi.h"

#include "platform/kernel/LastError.h"

#include <cstring>
#include <new>
#include <utility>

namespace {

GdiRegion* ValidRegion(HRGN handle) {
    GdiRegion* region = FindRegion(handle);
    if (region == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return region;
}

// GDI orders a rectangle's coordinates before making a region of it.
Region OrderedRect(int left, int top, int right, int bottom) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    return Region(left, top, right, bottom);
}

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return HRGN(AddGdiObject(std::make_unique<GdiRegion>(OrderedRect(left, top, right, bottom))));
}

BOOL SetRectRgn(HRGN handle, int left, int top, int right, int bottom) {
    GdiRegion* region = ValidRegion(handle);
    if (region == nullptr) {
        return FALSE;
    }
    region->region = OrderedRect(left, top, right, bottom);
    return TRUE;
}

int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode) {
    GdiRegion* out = ValidRegion(dest);
    GdiRegion* a = ValidRegion(source1);
    GdiRegion* b = mode == RGN_COPY ? a : ValidRegion(source2);
    if (out == nullptr || a == nullptr || b == nullptr) {
        return ERROR;
    }
    try {
        switch (mode) {
        case RGN_AND:
            out->region = a->region.Combined(b->region, RegionOperation::Intersect);
            break;
        case RGN_OR:
            out->region = a->region.Combined(b->region, RegionOperation::Unite);
            break;
        case RGN_XOR:
            out->region = a->region.Combined(b->region, RegionOperation::Xor);
            break;
        case RGN_DIFF:
            out->region = a->region.Combined(b->region, RegionOperation::Subtract);
            break;
        case RGN_COPY:
            out->region = a->region;
            break;
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            return ERROR;
        }
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return ERROR;
    }
    return int(out->region.Complexity());
}

BOOL PtInRegion(HRGN handle, int x, int y) {
    GdiRegion* region = ValidRegion(handle);
    return region && region->region.Contains(x, y) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
    GdiRegion* first = ValidRegion(a);
    GdiRegion* second = ValidRegion(b);
    return first && second && first->region == second->region ? TRUE : FALSE;
}

int GetRgnBox(HRGN handle, RECT* box) {
    GdiRegion* region = ValidRegion(handle);
    if (region == nullptr || box == nullptr) {
        return ERROR;
    }
    *box = region->region.Bounds();
    return int(region->region.Complexity());
}

int OffsetRgn(HRGN handle, int dx, int dy) {
    GdiRegion* region = ValidRegion(handle);
    if (region == nullptr) {
        return ERROR;
    }
    region->region.Offset(dx, dy);
    return int(region->region.Complexity());
}

HRGN ExtCreateRegion(const XFORM* transform, DWORD count, const RGNDATA* data) {
    if (transform != nullptr || data == nullptr || count < sizeof(RGNDATAHEADER) ||
        data->rdh.dwSize != sizeof(RGNDATAHEADER) || data->rdh.iType != RDH_RECTANGLES ||
        uint64_t(data->rdh.nCount) * sizeof(RECT) > count - sizeof(RGNDATAHEADER)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<RECT> rects(data->rdh.nCount);
    if (!rects.empty()) {
        std::memcpy(rects.data(), data->Buffer, rects.size() * sizeof(RECT));
    }
    try {
        return HRGN(AddGdiObject(std::make_unique<GdiRegion>(Region::FromRects(rects))));
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
}

DWORD GetRegionData(HRGN handle, DWORD count, RGNDATA* data) {
    GdiRegion* region = ValidRegion(handle);
    if (region == nullptr) {
        return 0;
    }
    std::vector<RECT> rects = region->region.Rects();
    const DWORD needed = DWORD(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    if (data == nullptr) {
        return needed;
    }
    if (count < needed) {
        return 0;
    }
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = DWORD(rects.size());
    data->rdh.nRgnSize = DWORD(rects.size() * sizeof(RECT));
    data->rdh.rcBound = region->region.Bounds();
    if (!rects.empty()) {
        std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
    }
    return count;
}
