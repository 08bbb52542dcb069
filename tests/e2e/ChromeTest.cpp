// The window's own minimise and close buttons, worked with the pointer while the program runs
// from its entry point.

#include "app/TTfrmMain.h"
#include "package/ZvButtonTx.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/backend/headless/HeadlessWindowSystem.h"
#include "platform/controls/TTrayIcon.h"
#include "platform/window/WindowCalls.h"
#include "platform/window/WindowSystem.h"
#include "tests/e2e/FakeBoard.h"
#include "tests/e2e/ProgramRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

HeadlessWindowSystem& Headless() {
    return dynamic_cast<HeadlessWindowSystem&>(CurrentWindowSystem());
}

// A click in the middle of a button, through the main window as the window system sends it.
void ClickOn(ZvButtonTx* button) {
    HeadlessPointer pointer(frmMain->Handle());
    pointer.Click(PointerButton::Left, button->Left() + 8, button->Top() + 8);
}

TEST_F(EndToEnd, MinimiseHidesTheWindowWhileTheTrayIconAndItsHintGoOn) {
    FakeBoard().extClocks = {20000, 20100};
    bool hidden = false, trayKept = false;
    std::string hintWhenHidden, hintAtEnd;
    RunProgram("", 400, [&](uint64_t elapsed) {
        if (elapsed >= 50 && hintWhenHidden.empty()) {
            ClickOn(frmMain->abMin);
            hidden = !frmMain->Visible() && !IsWindowVisible(frmMain->Handle());
            hintWhenHidden = TrayHint();
            FakeBoard().fsbIndexes = {1};
        }
        if (elapsed >= 400) {
            int tray = frmMain->TrayIcon1->TrayId();
            trayKept = tray != 0 && Headless().TrayIcons().count(tray) == 1;
            hintAtEnd = TrayHint();
        }
    });
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(trayKept);
    EXPECT_EQ(hintWhenHidden, "CPU Frequency : 2200 MHz\nVoltage : 1.3750 v");
    EXPECT_EQ(hintAtEnd, "CPU Frequency : 2211 MHz\nVoltage : 1.3750 v")
        << "the display goes on behind the hidden window";
}

TEST_F(EndToEnd, CloseEndsTheProgramAtOnce) {
    uint64_t closedAt = 0, last = 0;
    RunProgram("", 5000, [&](uint64_t elapsed) {
        last = elapsed;
        if (elapsed >= 50 && closedAt == 0) {
            closedAt = elapsed;
            ClickOn(frmMain->abClose);
        }
    });
    ASSERT_NE(closedAt, 0u);
    EXPECT_LT(last, closedAt + 100) << "the program ended from the button, not from the test";
}

} // namespace
