#include "platform/gdi/Gdi.h"

#include "platform/kernel/LastError.h"
#include "platform/window/Window.h"

int SetWindowRgn(HWND handle, HRGN region, BOOL redraw) {
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!region) {
        window->SetRegion(std::nullopt, redraw != FALSE);
        return 1;
    }
    GdiRegion* shape = FindRegion(region);
    if (shape == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    Region taken = std::move(shape->region);
    RemoveGdiObject(region.value);
    window->SetRegion(std::move(taken), redraw != FALSE);
    return 1;
}

int GetWindowRgn(HWND handle, HRGN region) {
    Window* window = FindWindow(handle);
    GdiRegion* out = FindRegion(region);
    if (window == nullptr || out == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return ERROR;
    }
    if (!window->GetRegion()) {
        return ERROR;
    }
    out->region = *window->GetRegion();
    return int(out->region.Complexity());
}
