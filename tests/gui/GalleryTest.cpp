// The staged component gallery on a private X server, driven with xdotool: what a click writes
// on its standard output, and what the screen shows of the buttons', check boxes' and radio
// buttons' pictures, on its own form and on a form from disk read for design.

#include "tests/SkipOrFail.h"
#include "tests/backend-qt/ChildProcess.h"
#include "tests/backend-qt/XProbe.h"
#include "tests/gui/Eventually.h"
#include "tests/gui/Pictures.h"
#include "tests/gui/PrivateDesktop.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

const std::string kGallery = std::string(HUSHWAVE_SIM_STAGE) + "/hushwave-gallery";
const std::string kGallerySkin = std::string(HUSHWAVE_SKIN_DIR) + "/../../tools/gallery/skin";
// The form's colour, $00302B26 in its resource.
constexpr uint32_t kFormPixel = 0x262B30;

bool Xdotool(const std::string& arguments) {
    return std::system(("xdotool " + arguments).c_str()) == 0;
}

// Each control's bounds on the form the arguments name, from the gallery's own list.
std::map<std::string, RECT> ListedBounds(const std::vector<std::string>& arguments) {
    std::string command = "HUSHWAVE_BACKEND=headless timeout 20 " + kGallery;
    for (const std::string& argument : arguments) {
        command += " '" + argument + "'";
    }
    FILE* pipe = popen((command + " --list").c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer;
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) {
        out.append(buffer.data(), n);
    }
    pclose(pipe);
    std::map<std::string, RECT> bounds;
    std::istringstream lines(out);
    std::string name, className, page;
    int left, top, width, height;
    while (lines >> name >> className >> page >> left >> top >> width >> height) {
        bounds[name] = RECT{left, top, left + width, top + height};
    }
    return bounds;
}

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartDesktop();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        Launch({}, "Hushwave component gallery", kFormPixel);
        ASSERT_EQ(m_bounds.count("btnOk"), 1u) << "the gallery's --list";
    }
    void StartDesktop() {
        if (const std::string missing =
                FirstMissingProgram({"Xvfb", "trayer", "xdotool", "import", "xsetroot"});
            !missing.empty()) {
            SKIP_OR_FAIL(missing << " is not on PATH");
        }
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        m_desktop = std::make_unique<PrivateDesktop>();
        m_x = std::make_unique<XProbe>();
    }
    // Runs the gallery with the arguments, its standard output into m_events, and waits until
    // its window of that caption shows the form's colour.
    void Launch(const std::vector<std::string>& arguments, const std::string& caption,
                uint32_t formPixel) {
        m_bounds = ListedBounds(arguments);
        setenv("HUSHWAVE_BACKEND", "qt", 1);
        m_events = std::filesystem::temp_directory_path() /
                   ("hushwave-gallery-" + std::to_string(getpid()) + ".txt");
        std::vector<std::string> command{"sh", "-c", "out=$1; shift; exec \"$0\" \"$@\" > \"$out\"",
                                         kGallery, m_events.string()};
        command.insert(command.end(), arguments.begin(), arguments.end());
        m_gallery = std::make_unique<ChildProcess>(command);
        ASSERT_TRUE(Eventually(
            [&] {
                m_window = m_x->FindWindow(caption);
                return m_window != 0 && m_x->IsViewable(m_window);
            },
            10000))
            << "the gallery's window did not show";
        // The first picture is painted once the window shows the form's colour.
        const RECT window = m_x->ScreenRect(m_window);
        ASSERT_TRUE(Eventually(
            [&] {
                return m_x->Capture(Offset(RECT{0, 0, 1, 1}, window)).Pixel(0, 0) == formPixel;
            },
            5000));
    }
    void TearDown() override {
        m_gallery.reset();
        m_x.reset();
        m_desktop.reset();
        if (!m_events.empty()) {
            std::filesystem::remove(m_events);
        }
    }

    static RECT Offset(const RECT& r, const RECT& by) {
        return RECT{r.left + by.left, r.top + by.top, r.right + by.left, r.bottom + by.top};
    }
    // A control's rectangle on the screen.
    RECT OnScreen(const std::string& name) {
        return Offset(m_bounds.at(name), m_x->ScreenRect(m_window));
    }
    void MoveOver(const std::string& name) {
        const RECT r = OnScreen(name);
        ASSERT_TRUE(Xdotool("mousemove " + std::to_string((r.left + r.right) / 2) + " " +
                            std::to_string((r.top + r.bottom) / 2)));
    }
    void ClickOn(const std::string& name) {
        MoveOver(name);
        ASSERT_TRUE(Xdotool("click 1"));
    }
    std::string Events() const {
        std::ifstream in(m_events);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // The whole of a small picture against the control on the screen.
    bool Shows(const std::string& name, const std::string& picture) {
        const Surface expected = BmpPicture(kGallerySkin + "/" + picture);
        return Eventually([&] { return m_x->Capture(OnScreen(name)) == expected; }, 3000);
    }
    // The top rows of a picture against the same rows of a control on the screen: the
    // caption lies lower, in the middle.
    bool TopRowsShow(const std::string& name, const std::string& picture) {
        const Surface expected =
            PartOf(BmpPicture(kGallerySkin + "/" + picture),
                   RECT{0, 0, m_bounds.at(name).right - m_bounds.at(name).left, 6});
        const RECT r = OnScreen(name);
        return Eventually(
            [&] {
                return m_x->Capture(RECT{r.left, r.top, r.right, r.top + 6}) == expected;
            },
            3000);
    }

    std::map<std::string, RECT> m_bounds;
    std::unique_ptr<PrivateDesktop> m_desktop;
    std::unique_ptr<XProbe> m_x;
    std::filesystem::path m_events;
    std::unique_ptr<ChildProcess> m_gallery;
    uint32_t m_window = 0;
};

TEST_F(GalleryTest, AClickOnAButtonWritesItsLineAndADisabledButtonWritesNothing) {
    ClickOn("btnOk");
    const std::string first = "btnOk OnEnter\nbtnOk OnClick ModalResult=1\n";
    EXPECT_TRUE(Eventually([&] { return Events() == first; }, 5000)) << Events();
    // The disabled button's click comes before the next button's: nothing may show between.
    ClickOn("btnDisabled");
    ClickOn("btnPlayDisabled");
    ClickOn("btnCancel");
    EXPECT_TRUE(Eventually(
        [&] {
            return Events() ==
                   first + "btnOk OnExit\nbtnCancel OnEnter\nbtnCancel OnClick ModalResult=2\n";
        },
        5000))
        << Events();
}

TEST_F(GalleryTest, TheScreenShowsEachStatesPictureAndTheRoundButtonsShape) {
    EXPECT_TRUE(TopRowsShow("btnOk", "wide_raised.bmp"));
    EXPECT_TRUE(TopRowsShow("btnDisabled", "wide_disabled.bmp"));
    MoveOver("btnOk");
    EXPECT_TRUE(TopRowsShow("btnOk", "wide_focused.bmp")) << "the mouse-over highlight";
    MoveOver("btnCancel");
    EXPECT_TRUE(TopRowsShow("btnOk", "wide_raised.bmp")) << "left again";
    EXPECT_TRUE(TopRowsShow("btnCancel", "wide_raised.bmp")) << "no mouse-over";
    ASSERT_TRUE(Xdotool("mousedown 1"));
    EXPECT_TRUE(TopRowsShow("btnCancel", "wide_sunken.bmp")) << "pressed";
    ASSERT_TRUE(Xdotool("mouseup 1"));

    // The round button is its disc: its corners show the form, its middle the picture.
    const RECT play = OnScreen("btnPlay");
    const Surface raised = BmpPicture(kGallerySkin + "/round_raised.bmp");
    const Surface shown = m_x->Capture(play);
    EXPECT_EQ(shown.Pixel(0, 0), kFormPixel);
    EXPECT_EQ(shown.Pixel(39, 39), kFormPixel);
    EXPECT_EQ(raised.Pixel(0, 0), 0xFF00FFu) << "the picture's own corner is the key colour";
    EXPECT_EQ(shown.Pixel(20, 20), raised.Pixel(20, 20));
    EXPECT_EQ(shown.Pixel(3, 20), raised.Pixel(3, 20));
}

TEST_F(GalleryTest, ACheckBoxClickWritesItsNewStateAndShowsItsPicture) {
    EXPECT_TRUE(Shows("chkAuto", "box_unchecked_raised.bmp"));
    ClickOn("chkAuto");
    EXPECT_TRUE(Eventually([&] { return Events() == "chkAuto OnClick State=cbGrayed\n"; }, 5000))
        << Events();
    EXPECT_TRUE(Shows("chkAuto", "box_grayed_raised.bmp"));
    ClickOn("chkAuto");
    EXPECT_TRUE(Eventually(
        [&] {
            return Events() == "chkAuto OnClick State=cbGrayed\nchkAuto OnClick State=cbChecked\n";
        },
        5000))
        << Events();
    EXPECT_TRUE(Shows("chkAuto", "box_checked_raised.bmp"));
}

TEST_F(GalleryTest, ARadioButtonClickUnchecksItsSiblingsOnTheSameParentOnly) {
    EXPECT_TRUE(Shows("radLow", "radio_checked_raised.bmp"));
    EXPECT_TRUE(Shows("radPanelA", "radio_checked_raised.bmp"));
    ClickOn("radHigh");
    EXPECT_TRUE(Eventually([&] { return Events() == "radHigh OnClick Checked=True\n"; }, 5000))
        << Events();
    MoveOver("btnOk");
    EXPECT_TRUE(Shows("radHigh", "radio_checked_raised.bmp"));
    EXPECT_TRUE(Shows("radLow", "radio_unchecked_raised.bmp"));
    EXPECT_TRUE(Shows("radPanelA", "radio_checked_raised.bmp")) << "the panel's group";
}

// A form from disk read for design: a skinned button under a panel hidden at design time, with
// a radio button of the panel's own over it, and a second button in the open.
class GalleryDesignTest : public GalleryTest {
protected:
    // The designed form's colour, $00403020 in its resource.
    static constexpr uint32_t kDesignedPixel = 0x203040;

    void SetUp() override {
        StartDesktop();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        m_folder = std::filesystem::temp_directory_path() /
                   ("hushwave-designed-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_folder);
        for (const char* picture : {"wide", "radio_unchecked"}) {
            for (const char* look : {"raised", "sunken", "focused", "disabled"}) {
                const std::string name = std::string(picture) + "_" + look + ".bmp";
                std::filesystem::copy_file(kGallerySkin + "/" + name, m_folder / name);
            }
        }
        std::ofstream(m_folder / "Designed.dfm")
            << "object Designed: TForm\n"
               "  Caption = 'Designed form'\n"
               "  ClientWidth = 240\n"
               "  ClientHeight = 140\n"
               "  Color = $00403020\n"
            << Button("btnUnder", 16, 16)
            << "  object pnlHidden: ZvPanel\n"
               "    Left = 0\n"
               "    Top = 0\n"
               "    Width = 160\n"
               "    Height = 64\n"
               "    DesignTimeVisible = False\n"
               "    object radInside: ZvRadioButton\n"
               "      Left = 24\n"
               "      Top = 20\n"
               "      Width = 20\n"
               "      Height = 20\n"
            << Pictures("  Appearance.Uncheck.", "radio_unchecked")
            << "    end\n"
               "  end\n"
            << Button("btnShown", 16, 90) << "end\n";
        Launch({"--design", (m_folder / "Designed.dfm").string()}, "Designed form", kDesignedPixel);
        ASSERT_EQ(m_bounds.count("radInside"), 1u) << "the gallery's --list";
    }
    void TearDown() override {
        GalleryTest::TearDown();
        if (!m_folder.empty()) {
            std::filesystem::remove_all(m_folder);
        }
    }

    // The four pictures of a look, set on the properties under `prefix`.
    static std::string Pictures(const std::string& prefix, const std::string& picture) {
        std::string text;
        for (auto [state, look] :
             {std::pair{"Raised", "raised"}, std::pair{"Sunken", "sunken"},
              std::pair{"Focused", "focused"}, std::pair{"Disabled", "disabled"}}) {
            text += "    " + prefix + state + "Bmp.Data = '" + picture + "_" + look + ".bmp'\n";
        }
        return text;
    }
    static std::string Button(const std::string& name, int left, int top) {
        return "  object " + name + ": ZvButtonTx\n    Left = " + std::to_string(left) +
               "\n    Top = " + std::to_string(top) +
               "\n    Width = 104\n    Height = 30\n    Caption = 'Button'\n" +
               Pictures("Appearance.", "wide") + "  end\n";
    }
    // A click at a point of the form.
    void ClickAt(int x, int y) {
        const RECT window = m_x->ScreenRect(m_window);
        ASSERT_TRUE(Xdotool("mousemove " + std::to_string(window.left + x) + " " +
                            std::to_string(window.top + y) + " click 1"));
    }

    std::filesystem::path m_folder;
};

TEST_F(GalleryDesignTest, AClickThroughAHiddenPanelSelectsTheControlBeneath) {
    EXPECT_TRUE(TopRowsShow("btnUnder", "wide_raised.bmp")) << "the hidden panel is not drawn";
    // On the hidden panel's radio button, then on the panel beside it: both over the button.
    ClickOn("radInside");
    const RECT under = m_bounds.at("btnUnder");
    ClickAt(under.right - 8, (under.top + under.bottom) / 2);
    EXPECT_TRUE(Eventually([&] { return Events() == "select btnUnder\nselect btnUnder\n"; }, 5000))
        << Events();
}

TEST_F(GalleryDesignTest, AClickOnAControlSelectsItAndDoesNotPressIt) {
    MoveOver("btnShown");
    ASSERT_TRUE(Xdotool("mousedown 1"));
    EXPECT_TRUE(Eventually([&] { return Events() == "select btnShown\n"; }, 5000)) << Events();
    EXPECT_TRUE(TopRowsShow("btnShown", "wide_raised.bmp")) << "neither hot nor pressed";
    ASSERT_TRUE(Xdotool("mouseup 1"));
    // Whatever the release wrote comes before the next click's line.
    ClickOn("btnUnder");
    EXPECT_TRUE(Eventually([&] { return Events() == "select btnShown\nselect btnUnder\n"; }, 5000))
        << Events();
}

} // namespace
