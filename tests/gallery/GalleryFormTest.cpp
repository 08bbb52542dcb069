// The gallery's form as its program reads it, driven on the headless window system: what each
// click writes on the event stream, the program's lists of its controls and of the palette, and
// the program showing form resources from disk.

#include "package/ZvButton.h"
#include "package/ZvButtonTx.h"
#include "package/ZvCheckBox.h"
#include "package/ZvComponents.h"
#include "package/ZvNumLed.h"
#include "package/ZvRadioButton.h"
#include "platform/application/TApplication.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/binding/ComponentPalette.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/core/DateTime.h"
#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"
#include "tools/gallery/TGalleryForm.h"
#include "tools/gallery/TPreviewForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

class GalleryForm : public ::testing::Test {
protected:
    void SetUp() override {
        std::tm newYearsEve{};
        newYearsEve.tm_year = 2026 - 1900;
        newYearsEve.tm_mon = 11;
        newYearsEve.tm_mday = 31;
        newYearsEve.tm_hour = 23;
        newYearsEve.tm_min = 59;
        newYearsEve.tm_sec = 30;
        clock.SetLocalTime(newYearsEve);
        SetClock(&clock);
        RegisterZvComponents();
        application = std::make_unique<TApplication>(nullptr);
        application->CreateForm(form);
        form->SetEventStream(events);
        form->Show();
        MessageLoop::Instance().ProcessMessages();
        pointer = std::make_unique<HeadlessPointer>(form->Handle());
    }
    void TearDown() override {
        pointer.reset();
        application.reset();
        MessageLoop::Instance().Reset();
        SetClock(nullptr);
    }

    // A click at the centre of the control, then the lines it wrote.
    std::string ClickOn(const TControl& control) {
        events.str("");
        int x = control.Left() + control.Width() / 2, y = control.Top() + control.Height() / 2;
        for (const TWinControl* p = control.Parent(); p != form; p = p->Parent()) {
            x += p->Left();
            y += p->Top();
        }
        pointer->Click(PointerButton::Left, x, y);
        MessageLoop::Instance().ProcessMessages();
        return events.str();
    }

    VirtualClock clock;
    std::unique_ptr<TApplication> application;
    std::ostringstream events;
    // The application owns it, as the program's.
    TGalleryForm* form = nullptr;
    std::unique_ptr<HeadlessPointer> pointer;
};

TEST_F(GalleryForm, EachEnabledButtonWritesItsClickWithTheModalResult) {
    // A press takes the focus from the button that had it, before the click.
    EXPECT_EQ(ClickOn(*form->btnOk), "btnOk OnEnter\nbtnOk OnClick ModalResult=1\n");
    EXPECT_EQ(ClickOn(*form->btnCancel),
              "btnOk OnExit\nbtnCancel OnEnter\nbtnCancel OnClick ModalResult=2\n");
    EXPECT_EQ(ClickOn(*form->btnPlay),
              "btnCancel OnExit\nbtnPlay OnEnter\nbtnPlay OnClick ModalResult=1\n");
    // Without a press there is no focus to take, and still a click.
    EXPECT_EQ(ClickOn(*form->btnNoClicks), "btnNoClicks OnClick ModalResult=4\n");
}

TEST_F(GalleryForm, DisabledButtonsWriteNothing) {
    EXPECT_EQ(ClickOn(*form->btnDisabled), "");
    EXPECT_EQ(ClickOn(*form->btnPlayDisabled), "");
}

TEST_F(GalleryForm, TheRoundButtonsCornersAreNotTheButton) {
    ZvButton& play = *form->btnPlay;
    events.str("");
    pointer->Click(PointerButton::Left, play.Left() + 1, play.Top() + 1);
    MessageLoop::Instance().ProcessMessages();
    EXPECT_EQ(events.str(), "");
}

TEST_F(GalleryForm, DisplaysWriteTheirClicksWithTheNumberTheyShow) {
    EXPECT_EQ(ClickOn(*form->ledFloat), "ledFloat OnClick Value=3.14159\n");
    EXPECT_EQ(ClickOn(*form->ledTime), "ledTime OnClick\n");
    EXPECT_EQ(ClickOn(*form->ledTransparent), "ledTransparent OnClick Value=12.5\n");
}

TEST_F(GalleryForm, TheTimeAndTheDateFollowTheClockEverySecond) {
    double time = 0, date = 0;
    ASSERT_TRUE(form->ledTime->GetValue(time));
    EXPECT_EQ(time, double(Now()));
    // Past midnight: the next day and hour 0.
    for (int second = 0; second < 31; ++second) {
        clock.Advance(1000);
        MessageLoop::Instance().ProcessMessages();
    }
    ASSERT_TRUE(form->ledTime->GetValue(time));
    ASSERT_TRUE(form->ledDate->GetValue(date));
    EXPECT_EQ(time, double(Now()));
    EXPECT_EQ(date, double(Now()));
    uint16_t year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 20270101);
}

TEST_F(GalleryForm, TheKeepRatioDisplayIsNarrowerThanItsFrame) {
    const ZvNumLed& display = *form->ledKeepRatio;
    EXPECT_LT(display.Width(), form->imgFrame->Width() - 20);
    EXPECT_EQ(display.Height(), 40);
}

TEST_F(GalleryForm, CheckBoxesWriteTheirNewStateOnEachClick) {
    const std::string grayed = "chkAuto OnClick State=cbGrayed\n";
    const std::string checked = "chkAuto OnClick State=cbChecked\n";
    const std::string unchecked = "chkAuto OnClick State=cbUnchecked\n";
    for (const std::string& expected : {grayed, checked, unchecked, grayed}) {
        EXPECT_EQ(ClickOn(*form->chkAuto), expected);
    }
    EXPECT_EQ(ClickOn(*form->chkPlain), "chkPlain OnClick State=cbChecked\n");
    EXPECT_EQ(ClickOn(*form->chkPlain), "chkPlain OnClick State=cbUnchecked\n");
    EXPECT_EQ(ClickOn(*form->chkSound), "chkSound OnClick State=cbUnchecked\n");
    // Without pictures of its own the checked box shows the unchecked ones, and still counts.
    EXPECT_EQ(ClickOn(*form->chkUncheckedOnly), "chkUncheckedOnly OnClick State=cbChecked\n");
    // Without the pressed look, a click still moves the value on.
    EXPECT_EQ(ClickOn(*form->chkNoClicks), "chkNoClicks OnClick State=cbChecked\n");
}

TEST_F(GalleryForm, ARadioButtonUnchecksThePlainOnesOfItsOwnParentOnly) {
    EXPECT_EQ(ClickOn(*form->radHigh), "radHigh OnClick Checked=True\n");
    EXPECT_FALSE(form->radLow->GetChecked());
    EXPECT_TRUE(form->radPanelA->GetChecked()) << "another parent's group";

    EXPECT_EQ(ClickOn(*form->radPanelB), "radPanelB OnClick Checked=True\n");
    EXPECT_FALSE(form->radPanelA->GetChecked());
    EXPECT_TRUE(form->radHigh->GetChecked());

    // The text variant asks for the plain class: it unchecks the plain ones beside it, and
    // they leave it alone.
    EXPECT_EQ(ClickOn(*form->radTxAuto), "radTxAuto OnClick Checked=True\n");
    EXPECT_FALSE(form->radHigh->GetChecked());
    EXPECT_TRUE(form->radPanelB->GetChecked());
    EXPECT_EQ(ClickOn(*form->radLow), "radLow OnClick Checked=True\n");
    EXPECT_TRUE(form->radTxAuto->GetChecked());
    // A checked button stays checked and still tells of the click.
    EXPECT_EQ(ClickOn(*form->radTxAuto), "radTxAuto OnClick Checked=True\n");
    EXPECT_TRUE(form->radTxAuto->GetChecked());
}

// The form is one section a palette page, from the label naming the page down to the next
// one. Each registered class shows in its page's section; a control on a panel belongs with
// its panel.
TEST_F(GalleryForm, ShowsEveryRegisteredClassInTheSectionOfItsPalettePage) {
    std::map<std::string, int> sectionTop;
    for (int i = 0; i < form->ControlCount(); ++i) {
        const TControl* control = form->Controls(i);
        for (const PalettePage& page : PalettePages()) {
            if (dynamic_cast<const TLabel*>(control) != nullptr &&
                control->Caption() == page.Name) {
                sectionTop[page.Name] = control->Top();
            }
        }
    }
    ASSERT_EQ(sectionTop.size(), PalettePages().size()) << "a heading for each page";
    const auto sectionOf = [&](int top) {
        std::string page;
        for (const auto& [name, start] : sectionTop) {
            if (start <= top && (page.empty() || start > sectionTop[page])) {
                page = name;
            }
        }
        return page;
    };
    std::set<std::string> shown;
    for (int i = 0; i < form->ControlCount(); ++i) {
        const TControl* control = form->Controls(i);
        const std::string page = PalettePageOf(control->ClassName());
        if (page.empty()) {
            continue;
        }
        EXPECT_EQ(sectionOf(control->Top()), page) << control->Name();
        EXPECT_EQ(sectionOf(control->Top() + control->Height() - 1), page) << control->Name();
        shown.insert(control->ClassName());
        if (const auto* panel = dynamic_cast<const TWinControl*>(control)) {
            for (int j = 0; j < panel->ControlCount(); ++j) {
                shown.insert(panel->Controls(j)->ClassName());
            }
        }
    }
    for (const PalettePage& page : PalettePages()) {
        for (const std::string& className : page.Classes) {
            EXPECT_EQ(shown.count(className), 1u) << className;
        }
    }
}

// The program's own output, run on the headless window system. In the sanitizer build its leak
// checker expects fontconfig's start-up loss, as this test's own does.
std::string RunGallery(const std::string& arguments, int& exitCode) {
    const std::string command = "HUSHWAVE_BACKEND=headless ASAN_OPTIONS=fast_unwind_on_malloc=0 "
                                "LSAN_OPTIONS=suppressions=" HUSHWAVE_FONTCONFIG_SUPPRESSIONS
                                " timeout 20 " +
                                std::string(HUSHWAVE_GALLERY) + " " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer;
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) {
        out.append(buffer.data(), n);
    }
    exitCode = WEXITSTATUS(pclose(pipe));
    return out;
}

TEST(GalleryProgram, ListsEveryControlWithItsClassAndBoundsAndEnds) {
    int exitCode = -1;
    const std::string list = RunGallery("--list", exitCode);
    EXPECT_EQ(exitCode, 0);
    // A control on the panel is listed where it lies on the form.
    for (const char* line : {"btnPlay ZvButton ZvComponents 48 64 40 40\n",
                             "btnPlayDisabled ZvButton ZvComponents 288 64 40 40\n",
                             "ledFloat ZvNumLed ZvComponents 16 154 132 40\n",
                             "ledTemperature ZvNumLed ZvComponents 356 220 108 40\n",
                             "pnlGroup ZvPanel ZvComponents 112 432 192 32\n",
                             "radPanelA ZvRadioButton ZvComponents 120 438 20 20\n",
                             "btnOk ZvButtonTx ZvComponentsTx 16 550 104 30\n",
                             "btnDisabled ZvButtonTx ZvComponentsTx 256 550 104 30\n",
                             "imgBackdrop TImage - 304 284 160 44\n"}) {
        EXPECT_NE(list.find(line), std::string::npos) << line << "in\n" << list;
    }
    EXPECT_EQ(list.find("tmrClock"), std::string::npos) << "a timer has no bounds";
}

TEST(GalleryProgram, ListsThePalettePagesWithTheirClassesInRegistrationOrder) {
    int exitCode = -1;
    EXPECT_EQ(RunGallery("--palette", exitCode),
              "ZvComponents: ZvButton ZvCheckBox ZvRadioButton ZvPanel ZvNumLed\n"
              "ZvComponentsTx: ZvButtonTx ZvCheckBoxTx ZvRadioButtonTx\n");
    EXPECT_EQ(exitCode, 0);
}

// A folder of its own for form resources written by a test, gone with the test.
class PreviewFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("hushwave-preview-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    }

    std::filesystem::path folder;
};

using GalleryPreview = PreviewFolder;

TEST_F(GalleryPreview, ShowsAFormResourceFromDiskWithThePicturesOfItsFolder) {
    for (const auto& entry : std::filesystem::directory_iterator(HUSHWAVE_GALLERY_SKIN)) {
        std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    }
    std::filesystem::copy_file(HUSHWAVE_GALLERY_FORM, folder / "TGalleryForm.dfm");
    int exitCode = -1;
    const std::string own = RunGallery("--list", exitCode);
    ASSERT_EQ(exitCode, 0);
    EXPECT_EQ(RunGallery((folder / "TGalleryForm.dfm").string() + " --list", exitCode), own);
    EXPECT_EQ(exitCode, 0);
    const std::string designed =
        RunGallery("--design " + (folder / "TGalleryForm.dfm").string() + " --list", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(designed, own);
}

TEST_F(GalleryPreview, RefusesABadFormResourceWithOneLineNamingFileAndLine) {
    Write("round_raised.bmp", "BM not really a picture");
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"object F: TX\n  object a: ZvNope\n  end\nend\n", ": Line 2: class ZvNope not found"},
        {"object F: TX\n  Bogus = 1\nend\n", ": Line 2: TForm has no property 'Bogus'"},
        {"object F: TX\n  object b: ZvCheckBox\n    Checked = 'x'\n  end\nend\n",
         ": Line 3: ZvCheckBox.Checked takes True or False"},
        {"object F: TX\n  Width = 100\n", ": Line 3: expected 'end'"},
        {"object F: TX\n  object b: ZvButton\n    Appearance.RaisedBmp.Data = 'gone.bmp'\n"
         "  end\nend\n",
         ": Line 3: cannot read the picture"},
        {"object F: TX\n  object b: ZvButton\n    Appearance.RaisedBmp.Data = "
         "'round_raised.bmp'\n  end\nend\n",
         ": Line 3: "},
        {"object F: TX\n  object b: ZvButton\n    Appearance.RaisedBmp.Data = "
         "'../round_raised.bmp'\n  end\nend\n",
         ": Line 3: the picture '../round_raised.bmp' is not a file name in the form's folder"},
        {"object F: TX\n  ClientWidth = 99999999\nend\n",
         ": Line 2: ClientWidth = 99999999 is outside 0 to 8192"},
    };
    for (const auto& c : cases) {
        const std::string file = Write("bad.dfm", c.text);
        int exitCode = -1;
        const std::string out = RunGallery(file + " 2>&1", exitCode);
        EXPECT_EQ(exitCode, 1) << c.text;
        EXPECT_EQ(out.rfind("hushwave-gallery: " + file + c.message, 0), 0u) << out;
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    }
    std::string deep = "object F: TX\n";
    for (int i = 0; i < 100; ++i) {
        deep += "object P" + std::to_string(i) + ": ZvPanel\n";
    }
    int exitCode = -1;
    const std::string out = RunGallery(Write("deep.dfm", deep) + " 2>&1", exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    const std::string missing = (folder / "missing.dfm").string();
    EXPECT_EQ(RunGallery(missing + " 2>&1", exitCode)
                  .rfind("hushwave-gallery: " + missing + ": cannot read the form resource", 0),
              0u);
    EXPECT_EQ(exitCode, 1);
}

TEST(GalleryProgram, RefusesAnUnknownOption) {
    int exitCode = -1;
    EXPECT_EQ(RunGallery("--bogus 2>/dev/null", exitCode), "");
    EXPECT_EQ(exitCode, 2);
}

// Shows the form resource the preview's source names, clicks at each place `Where` gives on it,
// and returns the lines the clicks wrote.
std::string
ClicksOnPreview(const std::function<std::vector<std::pair<int, int>>(const TPreviewForm&)>& Where) {
    std::ostringstream events;
    {
        TPreviewForm form(nullptr);
        form.SetEventStream(events);
        form.Show();
        MessageLoop::Instance().ProcessMessages();
        HeadlessPointer pointer(form.Handle());
        for (auto [x, y] : Where(form)) {
            pointer.Click(PointerButton::Left, x, y);
            MessageLoop::Instance().ProcessMessages();
        }
    }
    MessageLoop::Instance().Reset();
    return events.str();
}

// A form read for design: a click selects the topmost control under the pointer that takes
// mouse input, and no control handles it; a panel hidden at design time lets the click reach
// the button beneath it.
TEST_F(GalleryPreview, AtDesignTimeAClickSelectsTheControlUnderThePointer) {
    const std::string file = Write("design.dfm", "object Designed: TForm\n"
                                                 "  Width = 200\n"
                                                 "  Height = 120\n"
                                                 "  object btnUnder: TButton\n"
                                                 "    Left = 10\n"
                                                 "    Top = 10\n"
                                                 "    Width = 60\n"
                                                 "    Height = 30\n"
                                                 "  end\n"
                                                 "  object pnlHidden: ZvPanel\n"
                                                 "    Left = 0\n"
                                                 "    Top = 0\n"
                                                 "    Width = 100\n"
                                                 "    Height = 50\n"
                                                 "    DesignTimeVisible = False\n"
                                                 "  end\n"
                                                 "  object pnlShown: ZvPanel\n"
                                                 "    Left = 100\n"
                                                 "    Top = 60\n"
                                                 "    Width = 100\n"
                                                 "    Height = 50\n"
                                                 "    object btnInside: TButton\n"
                                                 "      Left = 10\n"
                                                 "      Top = 10\n"
                                                 "      Width = 40\n"
                                                 "      Height = 20\n"
                                                 "    end\n"
                                                 "  end\n"
                                                 "end\n");
    RegisterZvComponents();
    for (FormReadMode mode : {FormReadMode::Design, FormReadMode::Run}) {
        TPreviewForm::SetSource(file, mode);
        const std::string events = ClicksOnPreview([](const TPreviewForm&) {
            return std::vector<std::pair<int, int>>{{20, 20}, {120, 75}, {180, 100}};
        });
        if (mode == FormReadMode::Design) {
            EXPECT_EQ(events, "select btnUnder\nselect btnInside\nselect pnlShown\n");
        } else {
            EXPECT_EQ(events, "pnlHidden OnClick\nbtnInside OnClick\npnlShown OnClick\n")
                << "at run time the panel covers the button and the controls take the clicks";
        }
    }
}

// Without a file, --design reads the gallery's own form with its built-in pictures: the same
// controls at the same places, selected by a click instead of pressed, the panel hidden.
TEST(GalleryProgram, ReadsItsOwnFormForDesignWhenGivenNoFile) {
    int exitCode = -1;
    const std::string own = RunGallery("--list", exitCode);
    ASSERT_EQ(exitCode, 0);
    EXPECT_EQ(RunGallery("--design --list", exitCode), own);
    EXPECT_EQ(exitCode, 0);

    RegisterZvComponents();
    TPreviewForm::SetBuiltInSource("TGalleryForm.dfm", FormReadMode::Design);
    const std::string events = ClicksOnPreview([](const TPreviewForm& form) {
        std::vector<std::pair<int, int>> centres;
        for (const char* name : {"btnOk", "chkAuto", "radPanelA"}) {
            const auto* control = static_cast<const TControl*>(form.FindComponent(name));
            if (control == nullptr) {
                ADD_FAILURE() << name << " is not on the form";
                continue;
            }
            int x = control->Left() + control->Width() / 2;
            int y = control->Top() + control->Height() / 2;
            for (const TWinControl* p = control->Parent(); p != &form; p = p->Parent()) {
                x += p->Left();
                y += p->Top();
            }
            centres.emplace_back(x, y);
        }
        return centres;
    });
    EXPECT_EQ(events, "select btnOk\nselect chkAuto\nselect GalleryForm\n")
        << "the hidden panel lets the click through to the form beneath";
}

} // namespace
