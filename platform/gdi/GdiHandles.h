#pragma once
// The handles of GDI objects and device contexts. Each kind is its own type; HGDIOBJ takes
// any object handle (not a device context) and is turned back into one kind by an explicit
// cast, as Win32 code writes `(HBITMAP)SelectObject(dc, bitmap)`.

#include "platform/kernel/Handle.h"

#include <concepts>

using HDC = TypedHandle<struct DeviceContextHandleTag>;
using HBITMAP = TypedHandle<struct BitmapHandleTag>;
using HRGN = TypedHandle<struct RegionHandleTag>;
using HFONT = TypedHandle<struct FontHandleTag>;

template <class H>
concept GdiObjectHandle =
    std::same_as<H, HBITMAP> || std::same_as<H, HRGN> || std::same_as<H, HFONT>;

struct HGDIOBJ {
    uint32_t value = 0;

    constexpr HGDIOBJ() = default;
    constexpr HGDIOBJ(std::nullptr_t) {}
    constexpr explicit HGDIOBJ(uint32_t v) : value(v) {}
    template <GdiObjectHandle H> constexpr HGDIOBJ(H handle) : value(handle.value) {}

    template <GdiObjectHandle H> constexpr explicit operator H() const { return H(value); }
    constexpr explicit operator bool() const { return value != 0; }
    friend constexpr bool operator==(HGDIOBJ, HGDIOBJ) = default;
};
