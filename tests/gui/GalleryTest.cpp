// The staged component gallery on a private X server, driven with xdotool: what a click writes
// on its standard output, and what the screen shows of the buttons', check boxes' and radio
// buttons' pictures.

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
#include <unistd.h>

namespace {

const std::string kGallery = std::string(HUSHWAVE_SIM_STAGE) + "/hushwave-gallery";
const std::string kGallerySkin = std::string(HUSHWAVE_SKIN_DIR) + "/../../tools/gallery/skin";
// The form's colour, $00302B26 in its resource.
constexpr uint32_t kFormPixel = 0x262B30;

bool Xdotool(const std::string& arguments) {
    return std::system(("xdotool " + arguments).c_str()) == 0;
}

// Each control's bounds on the form, from the gallery's own list.
std::map<std::string, RECT> ListedBounds() {
    FILE* pipe =
        popen(("HUSHWAVE_BACKEND=headless timeout 20 " + kGallery + " --list").c_str(), "r");
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
        for (const char* tool : {"Xvfb", "trayer", "xdotool", "import", "xsetroot"}) {
            if (!ProgramOnPath(tool)) {
                SKIP_OR_FAIL(tool << " is not on PATH");
            }
        }
        m_bounds = ListedBounds();
        ASSERT_EQ(m_bounds.count("btnOk"), 1u) << "the gallery's --list";
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        setenv("HUSHWAVE_BACKEND", "qt", 1);
        m_desktop = std::make_unique<PrivateDesktop>();
        m_x = std::make_unique<XProbe>();
        m_events = std::filesystem::temp_directory_path() /
                   ("hushwave-gallery-" + std::to_string(getpid()) + ".txt");
        m_gallery = std::make_unique<ChildProcess>(std::vector<std::string>{
            "sh", "-c", "exec \"$0\" > \"$1\"", kGallery, m_events.string()});
        ASSERT_TRUE(Eventually(
            [&] {
                m_window = m_x->FindWindow("Hushwave component gallery");
                return m_window != 0 && m_x->IsViewable(m_window);
            },
            10000))
            << "the gallery's window did not show";
        // The first picture is painted once the window shows the form's colour.
        const RECT window = m_x->ScreenRect(m_window);
        ASSERT_TRUE(Eventually(
            [&] {
                return m_x->Capture(Offset(RECT{0, 0, 1, 1}, window)).Pixel(0, 0) == kFormPixel;
            },
            5000));
    }
    void TearDown() override {
        m_gallery.reset();
        m_x.reset();
        m_desktop.reset();
        std::filesystem::remove(m_events);
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

} // namespace
