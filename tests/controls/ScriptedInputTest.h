#pragma once
// A test base for controls driven through the platform's input dispatcher on the headless
// window system: a virtual clock for the time of the test, and a scripted pointer and keyboard
// on the window of the test's form once it shows. Tearing down lets go of the devices, then of
// the form, then of the messages still queued, then of the clock, in that order.

#include "platform/backend/headless/HeadlessInput.h"
#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"

#include <gtest/gtest.h>

#include <memory>

template <class Form> class ScriptedInputTest : public ::testing::Test {
protected:
    void SetUp() override { SetClock(&clock); }
    void TearDown() override {
        keyboard.reset();
        pointer.reset();
        form.reset();
        MessageLoop::Instance().Reset();
        SetClock(nullptr);
    }

    // Shows the form, laid out by the test, and puts the pointer and the keyboard on its window.
    void ShowWithInput() {
        form->Show();
        MessageLoop::Instance().ProcessMessages();
        pointer = std::make_unique<HeadlessPointer>(form->Handle());
        keyboard = std::make_unique<HeadlessKeyboard>(form->Handle());
    }

    VirtualClock clock;
    std::unique_ptr<Form> form;
    std::unique_ptr<HeadlessPointer> pointer;
    std::unique_ptr<HeadlessKeyboard> keyboard;
};
