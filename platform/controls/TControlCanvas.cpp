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
    if (target.surface != nullptr && target.clip.right > target.clip.left &&
        target.clip.bottom > target.clip.top) {
        auto* root = static_cast<TWinControl*>(FControl.RootControl());
        FindWindow(root->Handle())->Present(target.clip);
    }
}
