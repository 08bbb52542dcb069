#pragma once
// A painter that draws nothing and writes down every request, one line each, so tests can
// compare what a figure asked for with a list of expected lines.

#include "kiln/Graphics/Color.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/graphics/TRect.h"

#include <cstdio>
#include <string>
#include <vector>

struct RecordingPainter {
    void DrawBitmap(HBITMAP bitmap, const TRect& source, int x, int y) {
        lastBitmap = bitmap;
        calls.push_back("DrawBitmap " + Text(source) + " at " + std::to_string(x) + "," +
                        std::to_string(y));
    }
    void Erase(const TRect& rect) { calls.push_back("Erase " + Text(rect)); }

    void SetColor(kiln::Color c) {
        char text[16];
        std::snprintf(text, sizeof text, "%08X", c.Value());
        calls.push_back(std::string("Color ") + text);
    }
    void FillRect(const TRect& r) { calls.push_back("FillRect " + Text(r)); }
    void FrameRect(const TRect& r) { calls.push_back("FrameRect " + Text(r)); }
    void FillEllipse(const TRect& r) { calls.push_back("FillEllipse " + Text(r)); }
    void FrameEllipse(const TRect& r) { calls.push_back("FrameEllipse " + Text(r)); }
    void FillRoundRect(const TRect& r, int w, int h) {
        calls.push_back("FillRoundRect " + Text(r) + " " + std::to_string(w) + "x" +
                        std::to_string(h));
    }
    void FrameRoundRect(const TRect& r, int w, int h) {
        calls.push_back("FrameRoundRect " + Text(r) + " " + std::to_string(w) + "x" +
                        std::to_string(h));
    }
    template <class Point> void FillPolygon(const Point* points, int count) {
        calls.push_back("FillPolygon" + Text(points, count));
    }
    template <class Point> void FramePolygon(const Point* points, int count) {
        calls.push_back("FramePolygon" + Text(points, count));
    }
    kiln::Color BackgroundColor() const { return background; }

    static std::string Text(const TRect& r) {
        return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
    }
    template <class Point> static std::string Text(const Point* points, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += " (" + std::to_string(points[i].x) + "," + std::to_string(points[i].y) + ")";
        }
        return text;
    }

    std::vector<std::string> calls;
    HBITMAP lastBitmap;
    kiln::Color background = kiln::Color(0, 0, 255);
};
