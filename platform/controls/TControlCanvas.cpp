#include "platform/controls/TControlCanvas.h"

#include "platform/controls/TWinControl.h"
#include "platform/window/Window.h"

#include <algorithm>

DrawingTarget TControlCanvas::WindowTarget() const {
    auto* root = dynamic_cast<TWinControl*>(FControl.RootControl());
    if (root == nullptr || !root->HandleAllocated()) {
        return DrawingTarget{};
    }
    Surface& surface = FindWindow(root->Handle())->GetSurface();
    POINT at = FControl.ClientOrigin();
    POINT rootAt = root->ClientOrigin();
    POINT origin{at.x - rootAt.x, at.y - rootAt.y};
    RECT clip{std::max<LONG>(origin.x, 0), std::max<LONG>(origin.y, 0),
              std::min<LONG>(origin.x + FControl.Width(), surface.Width()),
              std::min<LONG>(origin.y + FControl.Height(), surface.Height())};
    return DrawingTarget{&surface, origin, clip};
}

DrawingTarget TControlCanvas::Target() {
    return FPaintTarget ? *FPaintTarget : WindowTarget();
}

void TControlCanvas::Changed() {
    TCanvas::Changed();
    if (FPaintTarget) {
        return;
    }
    DrawingTarget target = WindowTarget();
    if (const std::optional<TRect>& area = ChangedArea()) {
        // Only the picture's rectangle changed; the rest of the control need not be compared.
        target.clip.left = std::max<LONG>(target.clip.left, area->left + target.origin.x);
        target.clip.top = std::max<LONG>(target.clip.top, area->top + target.origin.y);
        target.clip.right = std::min<LONG>(target.clip.right, area->right + target.origin.x);
        target.clip.bottom = std::min<LONG>(target.clip.bottom, area->bottom + target.origin.y);
    }
    if (target.surface != nullptr && target.clip.right > target.clip.left &&
        target.clip.bottom > target.clip.top) {
        auto* root = static_cast<TWinControl*>(FControl.RootControl());
        FindWindow(root->Handle())->Present(target.clip);
    }
}
