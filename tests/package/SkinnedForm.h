#pragma once
// A shown form of the headless window system for the skinned controls' tests, with a pointer
// and a keyboard on its window, a virtual clock, and the colours its window last presented.
// The form is black, 120 x 80, at 100, 100.

#include "platform/controls/TCustomForm.h"
#include "platform/graphics/Surface.h"
#include "platform/graphics/TBitmap.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "tests/controls/ScriptedInputTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

// A picture of one colour whose first keyedColumns columns are of the key colour instead.
inline std::unique_ptr<TBitmap> Picture(int width, int height, TColor colour, int keyedColumns = 0,
                                        TColor key = clFuchsia) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = bitmap->PixelRow(y);
        for (int x = 0; x < width; ++x) {
            row[x] = PixelFromColorRef(x < keyedColumns ? key : colour);
        }
    }
    return bitmap;
}

class SkinnedForm : public ScriptedInputTest<TForm> {
protected:
    void SetUp() override {
        ScriptedInputTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 120, 80);
        form->SetColor(clBlack);
        ShowWithInput();
    }

    // A control of the form, placed at left, top.
    template <class C> C* Place(int left, int top) {
        auto* control = new C(form.get());
        control->SetParent(form.get());
        control->SetBounds(left, top, control->Width(), control->Height());
        return control;
    }

    // A pixel of the form's window (client coordinates) once pending paints are done.
    TColor Screen(int x, int y) {
        MessageLoop::Instance().ProcessMessages();
        return ColorRefFromPixel(FindWindow(form->Handle())->GetSurface().Pixel(x, y));
    }

    // The colours other than one that the form's window shows in an area (client
    // coordinates), as it is now, without waiting for pending paints.
    std::set<TColor> ColoursBesides(TColor other, RECT area) {
        std::set<TColor> colours;
        Surface& surface = FindWindow(form->Handle())->GetSurface();
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                TColor c = ColorRefFromPixel(surface.Pixel(x, y));
                if (c != other) {
                    colours.insert(c);
                }
            }
        }
        return colours;
    }
};
