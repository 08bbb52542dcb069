#pragma once
// Handles are small typed numbers that the platform maps to its own objects. Unlike raw
// pointers they cannot be dereferenced, and a window handle cannot be passed where a bitmap
// handle is expected.

#include <cstddef>
#include <cstdint>
#include <functional>

template <class Tag> struct TypedHandle {
    uint32_t value = 0;

    constexpr TypedHandle() = default;
    constexpr TypedHandle(std::nullptr_t) {}
    constexpr explicit TypedHandle(uint32_t v) : value(v) {}

    constexpr explicit operator bool() const { return value != 0; }
    friend constexpr bool operator==(TypedHandle, TypedHandle) = default;
};

template <class Tag> struct std::hash<TypedHandle<Tag>> {
    size_t operator()(TypedHandle<Tag> h) const noexcept { return std::hash<uint32_t>()(h.value); }
};

using HANDLE = TypedHandle<struct KernelHandleTag>;
using HMODULE = TypedHandle<struct ModuleHandleTag>;
using HINSTANCE = HMODULE;
using HWND = TypedHandle<struct WindowHandleTag>;

inline constexpr HANDLE INVALID_HANDLE_VALUE{0xFFFFFFFFu};
