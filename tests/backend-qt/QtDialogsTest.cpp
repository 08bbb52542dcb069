#include "platform/dialogs/Dialogs.h"
#include "platform/window/WindowSystem.h"
#include "tests/backend-qt/QtTestDisplay.h"
#include "tests/backend-qt/XProbe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

// Plays the user's part beside a call that blocks in a modal loop.
class UserAtTheKeyboard {
public:
    explicit UserAtTheKeyboard(std::function<void()> actions) : m_thread(std::move(actions)) {}
    ~UserAtTheKeyboard() { m_thread.join(); }

private:
    std::thread m_thread;
};

struct BoxCase {
    UINT type;
    const char* keys;
    int expected;
};

class QtMessageBoxTest : public ::testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override { SKIP_WITHOUT_DISPLAY(); }
};

TEST_P(QtMessageBoxTest, AnswersWithTheButtonTheKeysChoose) {
    const BoxCase& c = GetParam();
    std::string caption = "Box " + std::to_string(c.type);
    UserAtTheKeyboard user([&] {
        // Typed keys, not events sent to the window: Qt may pass over sent ones.
        Xdotool("search --sync --onlyvisible --name '^" + caption + "$' windowfocus --sync");
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        Xdotool(std::string("key ") + c.keys);
    });
    MessageBoxRecord box{HWND{}, "Something to say\nin two lines", caption, c.type};
    EXPECT_EQ(CurrentWindowSystem().ShowMessageBox(box), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtMessageBoxTest,
    ::testing::Values(BoxCase{MB_OK | MB_ICONERROR, "Return", IDOK},
                      BoxCase{MB_OKCANCEL | MB_ICONWARNING, "Escape", IDCANCEL},
                      BoxCase{MB_OKCANCEL | MB_DEFBUTTON2, "Return", IDCANCEL},
                      BoxCase{MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, "Return", IDNO},
                      BoxCase{MB_YESNOCANCEL, "Return", IDYES},
                      BoxCase{MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, "Return", IDIGNORE},
                      BoxCase{MB_RETRYCANCEL | MB_ICONINFORMATION, "Escape", IDCANCEL}));

struct MenuCase {
    std::vector<PopupMenuEntry> entries;
    const char* keys;
    int expected;
};

class QtPopupMenuTest : public ::testing::TestWithParam<MenuCase> {
protected:
    void SetUp() override { SKIP_WITHOUT_DISPLAY(); }
};

TEST_P(QtPopupMenuTest, ReturnsTheIndexOfTheEntryPicked) {
    const MenuCase& c = GetParam();
    UserAtTheKeyboard user([&] {
        XProbe x;
        // Ten seconds for the menu to show; the keys then go to nobody and the test fails.
        for (int i = 0; i < 500 && !x.PopupShown(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // The menu takes the keyboard just after it is mapped.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        Xdotool(std::string("key --delay 50 ") + c.keys);
    });
    EXPECT_EQ(CurrentWindowSystem().TrackPopupMenu(c.entries, POINT{300, 300}), c.expected);
}

PopupMenuEntry Entry(const char* caption, bool enabled = true, bool visible = true) {
    return PopupMenuEntry{caption, enabled, visible, false};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtPopupMenuTest,
    ::testing::Values(
        MenuCase{{Entry("&Restore"), Entry("&Close")}, "Down Return", 0},
        // The separator and the entries that are disabled or hidden are passed over, but keep
        // their places in the count.
        MenuCase{{Entry("&Restore"), Entry("-"), Entry("&Close")}, "Down Down Return", 2},
        MenuCase{{Entry("Off", false), Entry("Gone", true, false), Entry("On")}, "Down Return", 2},
        MenuCase{{Entry("&Restore"), Entry("&Close")}, "Escape", -1}));

} // namespace
