// The main window's form resource, read into a stand-in of the window class that records the
// handlers it is bound to: the components, their geometry, settings and order, the handler of
// every event, and a picture of the window as loaded. Then the real window: its fields and the
// chrome handlers the resource binds.

#include "app/TTfrmMain.h"
#include "lang/LayoutRecovery.h"
#include "lang/MainFormLayout.h"
#include "package/ZvButtonTx.h"
#include "package/ZvStates.h"
#include "platform/application/TApplication.h"
#include "platform/application/TTimer.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/backend/headless/HeadlessWindowSystem.h"
#include "platform/binding/FormReader.h"
#include "platform/controls/InputDispatcher.h"
#include "platform/controls/TCustomImageList.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TPicture.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/controls/TTrayIcon.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/forms/EmbeddedResources.h"
#include "platform/graphics/PngWriter.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"
#include "platform/window/WindowSystem.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

HeadlessWindowSystem& Headless() {
    return dynamic_cast<HeadlessWindowSystem&>(CurrentWindowSystem());
}

// The window class as the resource names it, with handlers that only note that they ran.
class TMainFormProbe : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TTfrmMain"; }

    static const FormClassInfo& Published() {
        static const FormClassInfo info =
            FormClassInfo::Of<TMainFormProbe>("TForm")
                .Method("FormCreate", &TMainFormProbe::FormCreate)
                .Method("FormShow", &TMainFormProbe::FormShow)
                .Method("FormDestroy", &TMainFormProbe::FormDestroy)
                .Method("Timer1Timer", &TMainFormProbe::Timer1Timer)
                .Method("Timer2Timer", &TMainFormProbe::Timer2Timer)
                .Method("imgBackgroundMouseDown", &TMainFormProbe::imgBackgroundMouseDown)
                .Method("abMinClick", &TMainFormProbe::abMinClick)
                .Method("abCloseClick", &TMainFormProbe::abCloseClick)
                .Method("TrayIcon1Restore", &TMainFormProbe::TrayIcon1Restore)
                .Method("Restore1Click", &TMainFormProbe::Restore1Click)
                .Method("Close1Click", &TMainFormProbe::Close1Click);
        return info;
    }

    void FormCreate(TObject*) { called.push_back("FormCreate"); }
    void FormShow(TObject*) { called.push_back("FormShow"); }
    void FormDestroy(TObject*) { called.push_back("FormDestroy"); }
    void Timer1Timer(TObject*) { called.push_back("Timer1Timer"); }
    void Timer2Timer(TObject*) { called.push_back("Timer2Timer"); }
    void imgBackgroundMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
        called.push_back("imgBackgroundMouseDown");
    }
    void abMinClick(TObject*) { called.push_back("abMinClick"); }
    void abCloseClick(TObject*) { called.push_back("abCloseClick"); }
    void TrayIcon1Restore(TObject*) { called.push_back("TrayIcon1Restore"); }
    void Restore1Click(TObject*) { called.push_back("Restore1Click"); }
    void Close1Click(TObject*) { called.push_back("Close1Click"); }

    std::vector<std::string> called;
};

class MainFormResource : public ::testing::Test {
protected:
    void SetUp() override {
        PublishZvButtonTx();
        auto text = FindEmbeddedResource("TTfrmMain.dfm");
        ASSERT_TRUE(text.has_value());
        ReadFormResource(
            *form, TMainFormProbe::Published(),
            std::string_view(reinterpret_cast<const char*>(text->data()), text->size()));
    }
    void TearDown() override {
        form.reset();
        MessageLoop::Instance().Reset();
    }
    template <class T> T* Find(const std::string& name) {
        T* found = dynamic_cast<T*>(form->FindComponent(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::string Handler(const std::function<void()>& fire) {
        form->called.clear();
        fire();
        return form->called.empty() ? "" : form->called.back();
    }

    std::unique_ptr<TMainFormProbe> form = std::make_unique<TMainFormProbe>(nullptr);
};

struct Placed {
    const char* name;
    const char* className;
    RECT bounds; // left, top, right, bottom; all 0 for components that are not controls
};

constexpr RECT At(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

const std::vector<Placed> kResource = {
    {"imgBackground", "TImage", At(0, 0, 385, 215)},
    {"imgCPUBar", "TImage", At(49, 59, 296, 88)},
    {"imgCPU1", "TImage", At(170, 114, 22, 27)},
    {"imgCPU2", "TImage", At(194, 114, 22, 27)},
    {"imgCPU3", "TImage", At(218, 114, 22, 27)},
    {"imgCPU4", "TImage", At(242, 114, 22, 27)},
    {"imgCPU5", "TImage", At(266, 114, 22, 27)},
    {"imgCPU6", "TImage", At(290, 114, 22, 27)},
    {"imgCPU7", "TImage", At(314, 114, 22, 27)},
    {"imgVIDPerc", "TImage", At(173, 177, 79, 10)},
    {"imgVID1", "TImage", At(262, 176, 9, 12)},
    {"imgVID2", "TImage", At(272, 176, 9, 12)},
    {"imgVID3", "TImage", At(282, 176, 9, 12)},
    {"imgVID4", "TImage", At(292, 176, 9, 12)},
    {"imgVID5", "TImage", At(302, 176, 9, 12)},
    {"imgVID6", "TImage", At(312, 176, 9, 12)},
    {"imgClose", "TImage", At(466, 196, 16, 16)},
    {"imgMin", "TImage", At(443, 178, 16, 16)},
    {"lbCpuFreq", "TLabel", At(32, 152, 108, 13)},
    {"lbCpuVolt", "TLabel", At(77, 176, 83, 13)},
    {"imgMinDn", "TImage", At(426, 13, 16, 16)},
    {"imgMinOv", "TImage", At(426, 37, 16, 16)},
    {"imgMinUp", "TImage", At(426, 61, 16, 16)},
    {"imgCloseDn", "TImage", At(450, 13, 16, 16)},
    {"imgCloseOv", "TImage", At(450, 37, 16, 16)},
    {"imgCloseUp", "TImage", At(450, 61, 16, 16)},
    {"Timer1", "TTimer", {}},
    {"imglstNumL", "TImageList", {}},
    {"imglstNumM", "TImageList", {}},
    {"imglstNumS", "TImageList", {}},
    {"TrayIcon1", "TTrayIcon", {}},
    {"PopupMenu1", "TPopupMenu", {}},
    {"Restore1", "TMenuItem", {}},
    {"Close1", "TMenuItem", {}},
    {"Timer2", "TTimer", {}},
    {"imglstCPUPerf", "TImageList", {}},
    {"abMin", "ZvButtonTx", At(331, 26, 16, 16)},
    {"abClose", "ZvButtonTx", At(354, 44, 16, 16)},
};

TEST_F(MainFormResource, HoldsExactlyTheTablesComponentsInItsOrder) {
    ASSERT_EQ(form->ComponentCount(), static_cast<int>(kResource.size()));
    std::vector<std::string> controls;
    for (size_t i = 0; i < kResource.size(); ++i) {
        TComponent* component = form->Components(static_cast<int>(i));
        SCOPED_TRACE(kResource[i].name);
        EXPECT_EQ(component->Name(), kResource[i].name);
        EXPECT_EQ(component->ClassName(), kResource[i].className);
        if (auto* control = dynamic_cast<TControl*>(component)) {
            EXPECT_EQ(control->BoundsRect(), kResource[i].bounds);
            EXPECT_EQ(control->Parent(), form.get());
            controls.push_back(control->Name());
        }
    }
    // The two buttons, the only windowed controls, are the resource's last, so the Controls
    // list, windowed children after the others, follows the resource too.
    ASSERT_EQ(form->ControlCount(), static_cast<int>(controls.size()));
    for (int i = 0; i < form->ControlCount(); ++i) {
        EXPECT_EQ(form->Controls(i)->Name(), controls[static_cast<size_t>(i)]);
    }
}

TEST_F(MainFormResource, GivesTheWindowAndItsComponentsTheTablesSettings) {
    EXPECT_EQ(form->Name(), "TfrmMain");
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_EQ(form->Caption(), "frmMain");
    EXPECT_EQ(form->Position(), poScreenCenter);
    EXPECT_EQ(form->ClientWidth(), 490);
    EXPECT_EQ(form->ClientHeight(), 218);
    EXPECT_EQ(form->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(form->Font()->Height(), -11);

    auto* background = Find<TImage>("imgBackground");
    EXPECT_EQ(background->Picture()->Width(), 385);
    EXPECT_EQ(background->Picture()->Height(), 215);
    auto* bar = Find<TImage>("imgCPUBar");
    EXPECT_TRUE(bar->Stretch());
    EXPECT_TRUE(bar->Transparent());
    EXPECT_FALSE(bar->Visible());
    for (const char* name : {"imgClose", "imgMin", "imgMinDn", "imgMinOv", "imgMinUp", "imgCloseDn",
                             "imgCloseOv", "imgCloseUp"}) {
        auto* picture = Find<TImage>(name);
        EXPECT_EQ(picture->Picture()->Width(), 16) << name;
        EXPECT_EQ(picture->Picture()->Height(), 16) << name;
    }

    struct LabelRow {
        const char* name;
        const char* caption;
        TColor color;
    };
    for (const LabelRow& row : {LabelRow{"lbCpuFreq", "CPU Frequency", clLime},
                                LabelRow{"lbCpuVolt", "CPU Voltage", clAqua}}) {
        SCOPED_TRACE(row.name);
        auto* label = Find<TLabel>(row.name);
        EXPECT_EQ(label->Caption(), row.caption);
        EXPECT_EQ(label->Alignment(), taCenter);
        EXPECT_FALSE(label->AutoSize());
        EXPECT_TRUE(label->Transparent());
        EXPECT_EQ(label->Font()->Name(), "Arial");
        EXPECT_EQ(label->Font()->Height(), -11);
        EXPECT_EQ(label->Font()->Style(), TFontStyles{fsBold});
        EXPECT_EQ(label->Font()->Color(), row.color);
    }

    EXPECT_EQ(Find<TTimer>("Timer1")->Interval(), 100u);
    EXPECT_TRUE(Find<TTimer>("Timer1")->Enabled());
    EXPECT_EQ(Find<TTimer>("Timer2")->Interval(), 10u);
    EXPECT_TRUE(Find<TTimer>("Timer2")->Enabled());

    struct ListRow {
        const char* name;
        int width, height, count;
    };
    for (const ListRow& row :
         {ListRow{"imglstNumL", 22, 27, 12}, ListRow{"imglstNumM", 9, 12, 12},
          ListRow{"imglstNumS", 16, 16, 2}, ListRow{"imglstCPUPerf", 79, 10, 21}}) {
        SCOPED_TRACE(row.name);
        auto* list = Find<TImageList>(row.name);
        EXPECT_EQ(list->Width(), row.width);
        EXPECT_EQ(list->Height(), row.height);
        EXPECT_EQ(list->Count(), row.count);
    }

    auto* tray = Find<TTrayIcon>("TrayIcon1");
    EXPECT_TRUE(tray->Visible());
    EXPECT_EQ(tray->Icons(), Find<TImageList>("imglstNumS"));
    EXPECT_EQ(tray->IconIndex(), 1);
    EXPECT_EQ(tray->PopupMenu(), Find<TPopupMenu>("PopupMenu1"));
    EXPECT_EQ(tray->PopupMenuOn(), imRightClickUp);
    EXPECT_EQ(tray->RestoreOn(), imDoubleClick);
    EXPECT_TRUE(tray->Hide());
    ASSERT_NE(tray->TrayId(), 0) << "the icon is there from the start";
    TBitmap second;
    Find<TImageList>("imglstNumS")->GetBitmap(1, &second);
    const Surface& shown = Headless().TrayIcons().at(tray->TrayId()).icon;
    ASSERT_EQ(shown.Width(), 16);
    EXPECT_EQ(shown.Pixel(8, 8), second.PixelRow(8)[8]) << "the second of the two icons";

    TMenuItem* items = Find<TPopupMenu>("PopupMenu1")->Items();
    ASSERT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Items(0)->Name(), "Restore1");
    EXPECT_EQ(items->Items(0)->Caption(), "Restore");
    EXPECT_EQ(items->Items(1)->Name(), "Close1");
    EXPECT_EQ(items->Items(1)->Caption(), "Close");

    struct ButtonRow {
        const char* name;
        TColor transparent;
        int tabOrder;
        const char* raised;
        const char* sunken;
        const char* focused;
    };
    for (const ButtonRow& row :
         {ButtonRow{"abMin", TColor(13027486), 0, "imgMinUp", "imgMinDn", "imgMinOv"},
          ButtonRow{"abClose", TColor(12172697), 1, "imgCloseUp", "imgCloseDn", "imgCloseOv"}}) {
        SCOPED_TRACE(row.name);
        auto* button = Find<ZvButtonTx>(row.name);
        EXPECT_EQ(button->GetTransparentColor(), row.transparent);
        EXPECT_FALSE(button->GetTransparent()) << "the whole square reacts";
        EXPECT_EQ(button->TabOrder(), row.tabOrder);
        EXPECT_EQ(button->GetText(), "");
        // The button's states hold the same skin pictures as the images outside the window.
        for (auto [state, image] :
             {std::pair{ZvState::Raised, row.raised}, std::pair{ZvState::Sunken, row.sunken},
              std::pair{ZvState::Focused, row.focused}}) {
            TBitmap* picture = Find<TImage>(image)->Picture()->Bitmap();
            TBitmap* own = button->GetStateBitmap(state);
            ASSERT_EQ(own->Width(), 16) << image;
            ASSERT_EQ(own->Height(), 16) << image;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    ASSERT_EQ(own->PixelRow(y)[x], picture->PixelRow(y)[x])
                        << image << " at " << x << ", " << y;
                }
            }
        }
        EXPECT_TRUE(button->IsStateEmpty(ZvState::Disabled));
        EXPECT_TRUE(button->PointInside(0, 0)) << "no pixel is cut away";
        EXPECT_TRUE(button->PointInside(15, 15));
    }
    EXPECT_EQ(form->TabOrderList(),
              (std::vector<TWinControl*>{Find<ZvButtonTx>("abMin"), Find<ZvButtonTx>("abClose")}));
}

TEST_F(MainFormResource, BindsEveryEventToItsHandler) {
    TObject* sender = form.get();
    EXPECT_EQ(Handler([&] { form->OnCreate(sender); }), "FormCreate");
    EXPECT_EQ(Handler([&] { form->OnShow(sender); }), "FormShow");
    EXPECT_EQ(Handler([&] { form->OnDestroy(sender); }), "FormDestroy");
    EXPECT_EQ(Handler([&] { Find<TTimer>("Timer1")->OnTimer()(sender); }), "Timer1Timer");
    EXPECT_EQ(Handler([&] { Find<TTimer>("Timer2")->OnTimer()(sender); }), "Timer2Timer");
    EXPECT_EQ(Handler([&] { Find<TTrayIcon>("TrayIcon1")->OnRestore(sender); }),
              "TrayIcon1Restore");
    EXPECT_EQ(Handler([&] { Find<TMenuItem>("Restore1")->Click(); }), "Restore1Click");
    EXPECT_EQ(Handler([&] { Find<TMenuItem>("Close1")->Click(); }), "Close1Click");
    EXPECT_EQ(Handler([&] { Find<ZvButtonTx>("abMin")->OnClick(sender); }), "abMinClick");
    EXPECT_EQ(Handler([&] { Find<ZvButtonTx>("abClose")->OnClick(sender); }), "abCloseClick");
    // The drag handler sits on the visible images and labels, not on the pictures outside nor
    // on the buttons.
    for (const Placed& row : kResource) {
        auto* control = dynamic_cast<TControl*>(form->FindComponent(row.name));
        if (control == nullptr) {
            continue;
        }
        std::string name = row.name;
        bool outside = name.rfind("imgClose", 0) == 0 || name.rfind("imgMin", 0) == 0 ||
                       name.rfind("ab", 0) == 0;
        EXPECT_EQ(static_cast<bool>(control->OnMouseDown), !outside) << name;
        if (control->OnMouseDown) {
            EXPECT_EQ(Handler([&] { control->OnMouseDown(control, mbLeft, {}, 0, 0); }),
                      "imgBackgroundMouseDown");
        }
    }
}

TEST_F(MainFormResource, ItsPictureAsLoaded) {
    form->Show();
    MessageLoop::Instance().ProcessMessages();
    const Surface& surface = FindWindow(form->Handle())->GetSurface();
    ASSERT_EQ(surface.Width(), 490);
    ASSERT_EQ(surface.Height(), 218);
    TBitmap* skin = Find<TImage>("imgBackground")->Picture()->Bitmap();
    EXPECT_EQ(surface.Pixel(0, 0), skin->PixelRow(0)[0]);
    EXPECT_EQ(surface.Pixel(200, 100), skin->PixelRow(100)[200]);
    int lime = 0;
    for (int y = 152; y < 165; ++y) {
        for (int x = 32; x < 140; ++x) {
            lime += surface.Pixel(x, y) == PixelFromColorRef(clLime) ? 1 : 0;
        }
    }
    EXPECT_GT(lime, 50) << "the label's text is drawn in lime";
    // The picture in docs/ is renewed on request (HUSHWAVE_UPDATE_DOCS=1), so that test runs
    // leave the checkout alone.
    SavePng(surface, std::string(MAIN_FORM_TEST_OUTPUT) + "/main-form.png");
    if (const char* update = std::getenv("HUSHWAVE_UPDATE_DOCS"); update && *update == '1') {
        SavePng(surface, std::string(HUSHWAVE_DOCS_DIR) + "/main-form.png");
    }
}

// The real window. Without the maker's libraries its start-up sequence ends early, with a
// message and a request to quit; both are dropped, so that the chrome can be worked.
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        static int run = 0;
        m_folder = std::filesystem::temp_directory_path() /
                   ("hushwave-main-form-" + std::to_string(getpid()) + "-" + std::to_string(run++));
        std::filesystem::create_directories(m_folder);
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
        SetClock(&m_clock);
        application = std::make_unique<TApplication>(nullptr);
        application->CreateForm(frmMain);
        form = frmMain;
        MessageLoop::Instance().Reset();
        TakeRecordedMessageBoxes();
    }
    void TearDown() override {
        application.reset();
        frmMain = nullptr;
        MessageLoop::Instance().Reset();
        SetClock(nullptr);
        Headless().SetPopupMenuChoice(nullptr);
        std::filesystem::remove_all(m_folder);
    }
    void Pump() { application->ProcessMessages(); }

    std::filesystem::path m_folder;
    VirtualClock m_clock;
    std::unique_ptr<TApplication> application;
    TTfrmMain* form = nullptr;
};

TEST_F(MainWindow, ItsFieldsHoldTheComponentsOfTheirNames) {
    for (const Placed& row : kResource) {
        EXPECT_NE(TTfrmMain::Published().FindField(row.name), nullptr) << row.name;
    }
    EXPECT_EQ(form->imgBackground, form->FindComponent("imgBackground"));
    EXPECT_EQ(form->lbCpuVolt, form->FindComponent("lbCpuVolt"));
    EXPECT_EQ(form->Close1, form->FindComponent("Close1"));
    EXPECT_EQ(form->imglstCPUPerf, form->FindComponent("imglstCPUPerf"));
}

TEST_F(MainWindow, AnyButtonOnTheBackgroundOrALabelMovesTheWindow) {
    form->Show();
    HeadlessPointer pointer(form->Handle());
    int moves = Headless().SystemMoveCount();
    pointer.MoveTo(5, 5);
    pointer.Press(PointerButton::Right);
    pointer.Release(PointerButton::Right);
    pointer.MoveTo(40, 155);
    pointer.Press(PointerButton::Left);
    EXPECT_EQ(GetCapture(), HWND{}) << "the handler gave the capture up";
    pointer.Release(PointerButton::Left);
    EXPECT_EQ(Headless().SystemMoveCount(), moves + 2);
}

TEST_F(MainWindow, TheTrayMenuOpensOnTheRightButtonsReleaseAndRestoresOrCloses) {
    form->Hide();
    int tray = form->TrayIcon1->TrayId();
    std::vector<std::string> shown;
    int choice = -1;
    Headless().SetPopupMenuChoice([&](const std::vector<PopupMenuEntry>& entries) {
        for (const PopupMenuEntry& entry : entries) {
            shown.push_back(entry.caption);
        }
        return choice;
    });
    size_t menus = Headless().PopupMenusShown().size();
    Headless().ClickTrayIcon(tray, TrayEvent::RightDown);
    Headless().ClickTrayIcon(tray, TrayEvent::LeftDown);
    Headless().ClickTrayIcon(tray, TrayEvent::LeftUp);
    EXPECT_EQ(Headless().PopupMenusShown().size(), menus) << "neither a press nor a left click";
    EXPECT_FALSE(form->Visible());

    choice = 0;
    Headless().ClickTrayIcon(tray, TrayEvent::RightUp);
    EXPECT_EQ(shown, (std::vector<std::string>{"Restore", "Close"}));
    EXPECT_TRUE(form->Visible());
    Headless().ClickTrayIcon(tray, TrayEvent::RightUp);
    EXPECT_TRUE(form->Visible()) << "Restore on a shown window keeps it shown";

    choice = 1;
    Headless().ClickTrayIcon(tray, TrayEvent::RightUp);
    Pump();
    EXPECT_TRUE(application->Terminated()) << "closing the main window ends the program";
}

// Minimised by another program, the window is still Visible: showing it again is not enough.
TEST_F(MainWindow, BothWaysBackFromTheTrayUndoAMinimiseSentByAnotherProgram) {
    Headless().SetPopupMenuChoice([](const std::vector<PopupMenuEntry>&) { return 0; });
    Window* window = FindWindow(form->Handle());
    for (TrayEvent way : {TrayEvent::RightUp, TrayEvent::LeftDoubleClick}) {
        form->Show();
        SendMessageA(form->Handle(), WM_USER + 1, 0, 0);
        ASSERT_EQ(window->ShowState(), WindowShowState::Minimized);
        Headless().ClickTrayIcon(form->TrayIcon1->TrayId(), way);
        EXPECT_EQ(window->ShowState(), WindowShowState::Normal)
            << (way == TrayEvent::RightUp ? "the menu's Restore" : "a double click");
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
    }
}

TEST_F(MainWindow, ADoubleClickOnTheTrayIconBringsTheWindowBackWithoutATaskbarButton) {
    form->Hide();
    HWND applicationWindow = application->Handle();
    ShowWindow(applicationWindow, SW_SHOWNA);
    Headless().ClickTrayIcon(form->TrayIcon1->TrayId(), TrayEvent::LeftDoubleClick);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsWindowVisible(applicationWindow)) << "FormShow hid it again";
}

TEST_F(MainWindow, MinimisingTheApplicationTakesItsWindowOffTheTaskbar) {
    ShowWindow(application->Handle(), SW_SHOWNA);
    SendMessageA(form->Handle(), WM_USER + 1, 0, 0);
    EXPECT_FALSE(IsWindowVisible(application->Handle()));
}

TEST_F(MainWindow, TheButtonsEndTheChildListWhereTheLayoutWalkNeverComes) {
    ASSERT_EQ(form->ControlCount(), 28);
    EXPECT_EQ(form->Controls(16), form->imgClose) << "the first control without a layout row";
    EXPECT_EQ(form->Controls(26), form->abMin);
    EXPECT_EQ(form->Controls(27), form->abClose);
    kiln::ControlInfo layout[kMainFormLayoutRows];
    std::copy(std::begin(MainFormLayout), std::end(MainFormLayout), layout);
    for (kiln::ControlInfo& row : layout) {
        row.Left += 1;
    }
    EXPECT_EQ(kiln::Recover(form, layout, kMainFormLayoutRows), -1);
    EXPECT_EQ(form->imgVID6->Left(), 313) << "the walk went as far as the last image before it";
    EXPECT_EQ(form->abMin->BoundsRect(), At(331, 26, 16, 16));
    EXPECT_EQ(form->abClose->BoundsRect(), At(354, 44, 16, 16));
}

TEST_F(MainWindow, MinimiseShowsItsPicturesUnderThePointerAndHidesTheWindowOnRelease) {
    form->Show();
    HeadlessPointer pointer(form->Handle());
    ZvButtonTx* button = form->abMin;
    pointer.MoveTo(339, 34);
    EXPECT_EQ(button->GetCurState(), ZvState::Focused) << "the hover highlight";
    pointer.MoveTo(200, 20);
    EXPECT_EQ(button->GetCurState(), ZvState::Raised);
    pointer.MoveTo(339, 34);
    pointer.Press(PointerButton::Left);
    EXPECT_EQ(button->GetCurState(), ZvState::Sunken);
    EXPECT_TRUE(form->Visible()) << "a press alone does nothing";
    pointer.Release(PointerButton::Left);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(Headless().TrayIcons().count(form->TrayIcon1->TrayId()), 1u) << "the icon stays";
    Pump();
    EXPECT_FALSE(application->Terminated());
}

TEST_F(MainWindow, ClosePressedAndReleasedOverItEndsTheProgram) {
    form->Show();
    HeadlessPointer pointer(form->Handle());
    pointer.MoveTo(362, 52);
    pointer.Press(PointerButton::Left);
    pointer.MoveTo(200, 20);
    pointer.Release(PointerButton::Left);
    Pump();
    EXPECT_FALSE(application->Terminated()) << "released away from the button: no click";
    pointer.Click(PointerButton::Left, 362, 52);
    Pump();
    EXPECT_TRUE(application->Terminated());
}

} // namespace
