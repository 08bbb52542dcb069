#pragma once
// The GDI object table: every bitmap, region, font and device context handle maps to one
// object here, and the object lives until DeleteObject or DeleteDC takes it out. The layer
// above (the class library's canvas and bitmap) uses the same objects through the functions
// below, so the handles it gives out work with every GDI call.
//
// Invariants: a handle is never reused; an object selected into a device context is not
// deleted (DeleteObject refuses, as GDI does); stock objects are never deleted.

#include "platform/gdi/GdiHandles.h"
#include "platform/graphics/FontRequest.h"
#include "platform/graphics/Region.h"
#include "platform/graphics/Surface.h"

#include <functional>
#include <memory>

constexpr DWORD OBJ_DC = 3;
constexpr DWORD OBJ_FONT = 6;
constexpr DWORD OBJ_BITMAP = 7;
constexpr DWORD OBJ_REGION = 8;
constexpr DWORD OBJ_MEMDC = 10;

class GdiObject {
public:
    virtual ~GdiObject() = default;
    virtual DWORD ObjectType() const = 0;

    int selections = 0; // the device contexts it is selected into
    bool stock = false;
};

class GdiBitmap final : public GdiObject {
public:
    GdiBitmap(Surface pixels, WORD bitsPerPixel, bool dibSection)
        : pixels(std::move(pixels)), bitsPerPixel(bitsPerPixel), dibSection(dibSection) {}
    DWORD ObjectType() const override { return OBJ_BITMAP; }

    // Held at 32 bits whatever bitsPerPixel says; only a 32-bit DIB section exposes them.
    Surface pixels;
    WORD bitsPerPixel;
    bool dibSection;
};

class GdiRegion final : public GdiObject {
public:
    explicit GdiRegion(Region region) : region(std::move(region)) {}
    DWORD ObjectType() const override { return OBJ_REGION; }

    Region region;
};

class GdiFont final : public GdiObject {
public:
    explicit GdiFont(FontRequest request) : request(std::move(request)) {}
    DWORD ObjectType() const override { return OBJ_FONT; }

    FontRequest request;
};

// Where a device context draws: a surface, the offset of the context's origin on it and the
// part of it the context may touch (in surface coordinates).
struct DrawingTarget {
    Surface* surface = nullptr;
    POINT origin{};
    RECT clip{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
};

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

class DeviceContext final : public GdiObject {
public:
    // A memory context, drawing on the bitmap selected into it.
    explicit DeviceContext(HBITMAP initialBitmap) : bitmap(initialBitmap) {}
    // A context over a surface someone else keeps (a canvas, a window).
    explicit DeviceContext(std::function<DrawingTarget()> target) : external(std::move(target)) {}
    DWORD ObjectType() const override { return external ? OBJ_DC : OBJ_MEMDC; }

    DrawingTarget Target() const;

    std::function<DrawingTarget()> external;
    HBITMAP bitmap;
    HFONT fontHandle;
    FontRequest font;
    COLORREF textColor = 0x000000;
    COLORREF backgroundColor = 0xFFFFFF;
    int backgroundMode = OPAQUE;
};

// Null when the process already holds as many objects as its quota allows, as GDI refuses
// objects beyond its per-process quota; the object is then destroyed.
HGDIOBJ AddGdiObject(std::unique_ptr<GdiObject> object);
GdiObject* FindGdiObject(uint32_t handleValue);
// Removes and destroys the object; false when there is none.
bool RemoveGdiObject(uint32_t handleValue);
// How many objects the table holds besides the stock ones: what leak tests compare.
size_t GdiObjectCount();
constexpr size_t kDefaultGdiObjectQuota = 10000;
// Lets tests run out of GDI objects; kDefaultGdiObjectQuota restores the default.
void SetGdiObjectQuotaForTesting(size_t quota);

GdiBitmap* FindBitmap(HBITMAP handle);
GdiRegion* FindRegion(HRGN handle);
GdiFont* FindFont(HFONT handle);
DeviceContext* FindDeviceContext(HDC handle);

HBITMAP CreateBitmapObject(Surface pixels, WORD bitsPerPixel, bool dibSection);
// A device context over a surface that the caller keeps alive while the context exists.
HDC CreateTargetDC(std::function<DrawingTarget()> target);
// The 1 x 1 bitmap a new memory context starts with.
HBITMAP StockBitmap();
