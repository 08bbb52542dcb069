#include "platform/controls/TControlCanvas.h"

#include "platform/controls/TWinControl.h"
#include "platform/graphics/Region.h"
#include "platform/graphics/Surface.h"
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

std::vector<RECT> TControlCanvas::CutAway(const DrawingTarget& Target) const {
    auto* windowed = dynamic_cast<TWinControl*>(&FControl);
    if (Target.surface == nullptr || windowed == nullptr || !windowed->HandleAllocated() ||
        Target.clip.right <= Target.clip.left || Target.clip.bottom <= Target.clip.top) {
        return {};
    }
    const std::optional<Region>& shape = FindWindow(windowed->Handle())->GetRegion();
    if (!shape) {
        return {};
    }
    Region placed = *shape;
    placed.Offset(Target.origin.x, Target.origin.y);
    return Region(Target.clip).Combined(placed, RegionOperation::Subtract).Rects();
}

void TControlCanvas::ForgetCutAway() {
    FCutAwaySurface = nullptr;
    FCutAway.clear();
    FUnderCutAway.clear();
}

DrawingTarget TControlCanvas::Target() {
    return FPaintTarget ? *FPaintTarget : WindowTarget();
}

void TControlCanvas::Changing() {
    TCanvas::Changing();
    if (FPaintTarget || !FCutAway.empty()) {
        return;
    }
    DrawingTarget target = WindowTarget();
    FCutAway = CutAway(target);
    FCutAwaySurface = target.surface;
    FUnderCutAway.clear();
    for (const RECT& r : FCutAway) {
        for (LONG y = r.top; y < r.bottom; ++y) {
            const uint32_t* row = target.surface->Row(y);
            FUnderCutAway.insert(FUnderCutAway.end(), row + r.left, row + r.right);
        }
    }
}

void TControlCanvas::Changed() {
    TCanvas::Changed();
    if (FPaintTarget) {
        return;
    }
    DrawingTarget target = WindowTarget();
    if (!FCutAway.empty() && target.surface == FCutAwaySurface && CutAway(target) == FCutAway) {
        auto saved = FUnderCutAway.begin();
        for (const RECT& r : FCutAway) {
            for (LONG y = r.top; y < r.bottom; ++y) {
                std::copy(saved, saved + (r.right - r.left), target.surface->Row(y) + r.left);
                saved += r.right - r.left;
            }
        }
    }
    ForgetCutAway();
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
