#pragma once
// A shown form of the headless window system for the skinned controls' tests, with a pointer
// and a keyboard on its window, a virtual clock, and the colours its window last presented.
// The form is black, 120 x 80, at 100, 100.

#include "platform/backend/headless/HeadlessInput.h"
#include "platform/controls/TCustomForm.h"
#include "platform/graphics/Surface.h"
#include "platform/graphics/TBitmap.h"
#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <memory>

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

class SkinnedForm : public ::testing::Test {
protected:
    void SetUp() override {
        SetClock(&clock);
        form->SetBounds(100, 100, 120, 80);
        form->SetColor(clBlack);
        form->Show();
        MessageLoop::Instance().ProcessMessages();
        pointer = std::make_unique<HeadlessPointer>(form->Handle());
        keyboard = std::make_unique<HeadlessKeyboard>(form->Handle());
    }
    void TearDown() override {
        keyboard.reset();
        pointer.reset();
        form.reset();
        MessageLoop::Instance().Reset();
        SetClock(nullptr);
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

    VirtualClock clock;
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    std::unique_ptr<HeadlessPointer> pointer;
    std::unique_ptr<HeadlessKeyboard> keyboard;
};
