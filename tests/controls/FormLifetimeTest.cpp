// Objects that go away while others still refer to them: tray icons hooked into the
// application's minimising, and a form freed from a handler of one of its own controls.

#include "RecordingControls.h"
#include "platform/application/TApplication.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/controls/TTrayIcon.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/WindowCalls.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace {

class FormLifetime : public ::testing::Test {
protected:
    void TearDown() override {
        application.reset();
        MessageLoop::Instance().Reset();
    }

    TTrayIcon* HidingIcon() {
        auto* icon = new TTrayIcon(application.get());
        icon->SetHide(true);
        return icon;
    }

    std::unique_ptr<TApplication> application = std::make_unique<TApplication>(nullptr);
};

TEST_F(FormLifetime, TrayIconsFreedInAnyOrderLeaveTheOthersHooksWorking) {
    int minimized = 0;
    application->OnMinimize = [&](TObject*) { ++minimized; };
    TTrayIcon* first = HidingIcon();
    TTrayIcon* second = HidingIcon();
    ShowWindow(application->Handle(), SW_SHOWNA);

    Free(first);
    application->Minimize();
    EXPECT_FALSE(IsWindowVisible(application->Handle())) << "the second icon still hides it";

    Free(second);
    ShowWindow(application->Handle(), SW_SHOWNA);
    application->Minimize();
    EXPECT_TRUE(IsWindowVisible(application->Handle())) << "no icon is left to hide it";
    EXPECT_EQ(minimized, 2) << "the application's own handler stays in place";
}

TEST_F(FormLifetime, AFormClosedWithCaFreeFromItsChildsHandlerGoesOnceTheHandlerReturned) {
    EventLog log;
    auto* form = new RecordingForm(application.get(), log, "form");
    form->SetBounds(0, 0, 100, 100);
    auto* button = new Box(form, log, "button");
    button->SetBounds(10, 10, 20, 20);
    button->SetParent(form);
    bool destroyed = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    button->OnClick = [&](TObject*) {
        form->Close();
        EXPECT_FALSE(destroyed);
    };
    form->Show();
    int owned = application->ComponentCount();

    HeadlessPointer pointer(form->Handle());
    pointer.Click(PointerButton::Left, 15, 15);
    EXPECT_FALSE(destroyed) << "the handler and the controls above it are still running";
    EXPECT_FALSE(form->Visible());
    MessageLoop::Instance().ProcessMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(application->ComponentCount(), owned - 1);
}

struct MainForm : TForm {
    explicit MainForm(TComponent* owner) : TForm(owner) {
        SetBounds(0, 0, 100, 100);
        control = new TWinControl(this);
        control->SetParent(this);
    }
    TWinControl* control;
};

// The main form opens the program's message endpoint in the runtime folder: a private one.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder() {
        std::filesystem::create_directories(m_folder);
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        m_previous = runtime != nullptr ? std::optional<std::string>(runtime) : std::nullopt;
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
    }
    ~PrivateRuntimeFolder() {
        std::filesystem::remove_all(m_folder);
        if (m_previous) {
            setenv("XDG_RUNTIME_DIR", m_previous->c_str(), 1);
        } else {
            unsetenv("XDG_RUNTIME_DIR");
        }
    }
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

private:
    std::filesystem::path m_folder = std::filesystem::temp_directory_path() /
                                     ("hushwave-form-lifetime-" + std::to_string(getpid()));
    std::optional<std::string> m_previous;
};

TEST_F(FormLifetime, TheApplicationsWindowHandsItsActivationToTheMainFormUntilItIsFreed) {
    PrivateRuntimeFolder runtime;
    MainForm* main = nullptr;
    application->CreateForm(main);
    main->Show();
    main->control->SetFocus();

    // As a tray icon restores the application.
    SetForegroundWindow(application->Handle());
    EXPECT_EQ(GetForegroundWindow(), main->Handle());
    EXPECT_TRUE(main->control->Focused()) << "the form's control has the focus back";

    main->Release();
    MessageLoop::Instance().ProcessMessages();
    EXPECT_EQ(application->MainForm(), nullptr);
    SetForegroundWindow(application->Handle());
    EXPECT_EQ(GetForegroundWindow(), application->Handle());
    application.reset();
}

TEST_F(FormLifetime, MinimisingTheApplicationLeavesAHiddenMainFormHidden) {
    PrivateRuntimeFolder runtime;
    MainForm* main = nullptr;
    application->CreateForm(main);
    main->Show();
    main->Hide();

    application->Minimize();
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    EXPECT_FALSE(main->Visible());
    application->Restore();
    EXPECT_FALSE(IsWindowVisible(main->Handle()));

    main->Show();
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    application.reset();
}

} // namespace
