#include "app/Log.h"
#include "app/TTfrmMain.h"
#include "app/WinMain.h"
#include "platform/application/TApplication.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int run = 0;
        m_folder = std::filesystem::temp_directory_path() /
                   ("hushwave-startup-" + std::to_string(getpid()) + "-" + std::to_string(run++));
        std::filesystem::create_directories(m_folder);
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
        SetClock(&m_clock);
        bDebugLog = false;
    }
    void TearDown() override {
        MessageLoop::Instance().Reset();
        SetClock(nullptr);
        bDebugLog = false;
        std::filesystem::remove_all(m_folder);
    }

    std::filesystem::path m_folder;
    VirtualClock m_clock;
};

struct CommandLine {
    const char* text;
    bool logOn;
};

class DebugSwitch : public StartupTest, public ::testing::WithParamInterface<CommandLine> {};

TEST_P(DebugSwitch, TurnsTheLogOnWhereverDebugAppears) {
    TApplication application(nullptr);
    PostQuitMessage(0);
    EXPECT_EQ(WinMain(GetParam().text), 0);
    EXPECT_EQ(bDebugLog, GetParam().logOn) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(CommandLines, DebugSwitch,
                         ::testing::Values(CommandLine{"debug", true}, CommandLine{"xDEBUGx", true},
                                           CommandLine{"NoDebug", true},
                                           CommandLine{"/x /Debug", true}, CommandLine{"", false},
                                           CommandLine{"DEBU", false},
                                           CommandLine{"DE BUG", false}));

TEST_F(StartupTest, SecondStartWhileTheMutexIsHeldReturnsAtOnce) {
    TApplication application(nullptr);
    PostQuitMessage(0);
    ASSERT_EQ(WinMain(""), 0);
    // The first run's mutex is still held by this process, as a running instance would.
    EXPECT_EQ(WinMain("DEBUG"), 0);
    EXPECT_FALSE(bDebugLog) << "a second instance stops before reading its command line";
}

// Window state that the ignored messages must leave alone.
auto Snapshot(HWND window) {
    Window* w = FindWindow(window);
    return std::make_tuple(w->Visible(), w->Topmost(), static_cast<int>(w->ShowState()),
                           w->Bounds().left, w->Bounds().top, GetForegroundWindow().value,
                           Application->Terminated());
}

TEST_F(StartupTest, UserMessagesActOnTheMainWindow) {
    TApplication application(nullptr);
    application.CreateForm(frmMain);
    // Without the processor's libraries the start-up sequence ends the run; its quit message
    // is dropped so the window stays to receive the messages below.
    MessageLoop::Instance().Reset();
    TakeRecordedMessageBoxes();
    HWND window = frmMain->Handle();
    frmMain->Show();
    HWND other = CreateWindowRecord(nullptr, {}, nullptr);
    SetForegroundWindow(other);

    auto before = Snapshot(window);
    for (UINT ignored : {WM_USER + 2, WM_USER + 4, WM_USER + 5, WM_USER + 7, WM_USER + 8}) {
        PostMessageA(window, ignored, 1, 2);
        application.ProcessMessages();
        EXPECT_EQ(Snapshot(window), before) << "message " << ignored;
    }

    PostMessageA(window, WM_USER + 1, 0, 0);
    application.ProcessMessages();
    EXPECT_EQ(FindWindow(window)->ShowState(), WindowShowState::Minimized);

    frmMain->Hide();
    PostMessageA(window, WM_USER + 3, 0, 0);
    application.ProcessMessages();
    EXPECT_EQ(FindWindow(window)->ShowState(), WindowShowState::Normal);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(FindWindow(window)->Topmost());
    EXPECT_EQ(GetForegroundWindow(), other) << "restored without taking the focus";

    PostMessageA(window, WM_USER + 6, 0, 0);
    application.ProcessMessages();
    EXPECT_EQ(GetForegroundWindow(), window);

    PostMessageA(window, WM_USER + 0, 0, 0);
    application.ProcessMessages();
    EXPECT_TRUE(application.Terminated());
    DestroyWindowRecord(other);
}

struct Probe : TForm {
    static inline Probe* instance = nullptr;
    static inline bool seenDuringConstruction = false;
    explicit Probe(TComponent* owner) : TForm(owner) { seenDuringConstruction = instance == this; }
};

TEST_F(StartupTest, CreateFormStoresTheReferenceBeforeTheConstructorRuns) {
    TApplication application(nullptr);
    application.CreateForm(Probe::instance);
    EXPECT_TRUE(Probe::seenDuringConstruction);
    EXPECT_EQ(application.MainForm(), Probe::instance);
}

TEST_F(StartupTest, ExceptionFromTheConstructorIsShownAndTheReferenceCleared) {
    struct Failing : TForm {
        explicit Failing(TComponent* owner) : TForm(owner) { throw EFOpenError("Cannot open"); }
    };
    TApplication application(nullptr);
    Failing* form = nullptr;
    EXPECT_THROW(application.CreateForm(form), EFOpenError);
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(application.MainForm(), nullptr);
}

} // namespace
