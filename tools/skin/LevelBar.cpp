#include "tools/skin/LevelBar.h"

#include "tools/skin/FineCanvas.h"
#include "tools/skin/Palette.h"
#include "tools/skin/SkinLayout.h"

namespace {

constexpr int kCells = 20;
constexpr int kCellPitch = 4;
constexpr int kCellWidth = 3;
constexpr int kLowestCell = 4;

void DrawLevel(FineCanvas& canvas, int left, int level) {
    const int height = skin::kVoltBar.height;
    for (int k = 0; k < kCells; ++k) {
        const Rgb colour = palette::Accent(double(k) / (kCells - 1));
        const int cellHeight = kLowestCell + (height - kLowestCell) * k / (kCells - 1);
        const double x0 = left + k * kCellPitch, x1 = x0 + kCellWidth;
        const double y0 = height - cellHeight, y1 = height;
        if (k >= level) {
            canvas.FillRect(x0, y0, x1, y1, palette::Unlit(colour));
            continue;
        }
        canvas.FillRect(x0, y0, x1, y1, colour);
        canvas.FillRect(x0 + 1, y0, x1 - 1, y1, Mix(colour, palette::kWhite, 0.45));
        canvas.FillRect(x0, y0, x1, y0 + 1, Mix(colour, palette::kWhite, 0.3));
    }
}

} // namespace

Surface DrawLevelBarStrip() {
    const skin::Box bar = skin::kVoltBar;
    FineCanvas canvas(bar.width * skin::kVoltLevels, bar.height, palette::kGlass);
    for (int level = 0; level < skin::kVoltLevels; ++level) {
        DrawLevel(canvas, level * bar.width, level);
    }
    return canvas.Resolve();
}
