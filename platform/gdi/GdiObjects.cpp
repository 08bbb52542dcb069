#include "platform/gdi/GdiObjects.h"

#include <unordered_map>

namespace {

struct GdiTable {
    std::unordered_map<uint32_t, std::unique_ptr<GdiObject>> objects;
    uint32_t next = 0x100;
    size_t count = 0; // objects other than stock ones
    size_t quota = kDefaultGdiObjectQuota;
};

GdiTable& Table() {
    static GdiTable table;
    return table;
}

template <class T> T* FindAs(uint32_t value) {
    return dynamic_cast<T*>(FindGdiObject(value));
}

} // namespace

DrawingTarget DeviceContext::Target() const {
    if (external) {
        return external();
    }
    GdiBitmap* selected = FindBitmap(bitmap);
    return DrawingTarget{selected ? &selected->pixels : nullptr};
}

HGDIOBJ AddGdiObject(std::unique_ptr<GdiObject> object) {
    GdiTable& table = Table();
    if (!object->stock) {
        if (table.count >= table.quota) {
            return nullptr;
        }
        ++table.count;
    }
    HGDIOBJ handle(table.next++);
    table.objects.emplace(handle.value, std::move(object));
    return handle;
}

GdiObject* FindGdiObject(uint32_t handleValue) {
    auto& objects = Table().objects;
    auto it = objects.find(handleValue);
    return it == objects.end() ? nullptr : it->second.get();
}

bool RemoveGdiObject(uint32_t handleValue) {
    auto& objects = Table().objects;
    auto it = objects.find(handleValue);
    if (it == objects.end()) {
        return false;
    }
    std::unique_ptr<GdiObject> object = std::move(it->second);
    objects.erase(it);
    if (!object->stock) {
        --Table().count;
    }
    return true;
}

size_t GdiObjectCount() {
    return Table().count;
}

void SetGdiObjectQuotaForTesting(size_t quota) {
    Table().quota = quota;
}

GdiBitmap* FindBitmap(HBITMAP handle) {
    return FindAs<GdiBitmap>(handle.value);
}
GdiRegion* FindRegion(HRGN handle) {
    return FindAs<GdiRegion>(handle.value);
}
GdiFont* FindFont(HFONT handle) {
    return FindAs<GdiFont>(handle.value);
}
DeviceContext* FindDeviceContext(HDC handle) {
    return FindAs<DeviceContext>(handle.value);
}

HBITMAP CreateBitmapObject(Surface pixels, WORD bitsPerPixel, bool dibSection) {
    return HBITMAP(
        AddGdiObject(std::make_unique<GdiBitmap>(std::move(pixels), bitsPerPixel, dibSection)));
}

HDC CreateTargetDC(std::function<DrawingTarget()> target) {
    return HDC(AddGdiObject(std::make_unique<DeviceContext>(std::move(target))).value);
}

HBITMAP StockBitmap() {
    static const HBITMAP stock = [] {
        auto bitmap = std::make_unique<GdiBitmap>(Surface(1, 1), WORD(1), false);
        bitmap->stock = true;
        return HBITMAP(AddGdiObject(std::move(bitmap)));
    }();
    return stock;
}
