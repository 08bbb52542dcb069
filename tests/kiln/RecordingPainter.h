#pragma once
// A painter that draws nothing and writes down every request, one line each, so tests can
// compare what a figure asked for with a list of expected lines.

#include "platform/gdi/GdiHandles.h"
#include "platform/graphics/TRect.h"

#include <string>
#include <vector>

struct RecordingPainter {
    void DrawBitmap(HBITMAP bitmap, const TRect& source, int x, int y) {
        lastBitmap = bitmap;
        calls.push_back("DrawBitmap " + Text(source) + " at " + std::to_string(x) + "," +
                        std::to_string(y));
    }
    void Erase(const TRect& rect) { calls.push_back("Erase " + Text(rect)); }

    static std::string Text(const TRect& r) {
        return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
    }

    std::vector<std::string> calls;
    HBITMAP lastBitmap;
};
