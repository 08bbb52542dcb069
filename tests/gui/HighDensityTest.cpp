// The staged program on a screen scaled by two (QT_SCALE_FACTOR=2): the window at twice its
// size, each skin pixel a crisp 2 x 2 block, its shape scaled alike.

#include "tests/backend-qt/XProbe.h"
#include "tests/gui/Eventually.h"
#include "tests/gui/HushwaveRun.h"
#include "tests/gui/Pictures.h"
#include "tests/gui/PrivateDesktop.h"

#include "tests/SkipOrFail.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

const std::string kSkin = HUSHWAVE_SKIN_DIR;
constexpr int kScale = 2;

// Every pixel of the picture as a kScale x kScale block.
Surface ScaledUp(const Surface& picture) {
    Surface scaled(picture.Width() * kScale, picture.Height() * kScale);
    for (int y = 0; y < scaled.Height(); ++y) {
        for (int x = 0; x < scaled.Width(); ++x) {
            scaled.SetPixel(x, y, picture.Pixel(x / kScale, y / kScale));
        }
    }
    return scaled;
}

struct ShapeComparison {
    int beneathWrong = 0;  // cut-away pixels that do not show the desktop
    int skinCoveredBy = 0; // pixels of the outline that show the desktop instead
    friend bool operator==(const ShapeComparison&, const ShapeComparison&) = default;
};

void PrintTo(const ShapeComparison& c, std::ostream* os) {
    *os << "{beneathWrong " << c.beneathWrong << ", skinCoveredBy " << c.skinCoveredBy << "}";
}

class HighDensityTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string missing =
                FirstMissingProgram({"Xvfb", "trayer", "import", "xsetroot"});
            !missing.empty()) {
            SKIP_OR_FAIL(missing << " is not on PATH");
        }
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        unsetenv("QT_ENABLE_HIGHDPI_SCALING");
        setenv("QT_SCALE_FACTOR", "2", 1);
        m_desktop = std::make_unique<PrivateDesktop>();
        m_x = std::make_unique<XProbe>();
        m_run = std::make_unique<HushwaveRun>(HUSHWAVE_SIM_STAGE, "0 0xA 0x08\n");
        ASSERT_TRUE(Eventually(
            [&] {
                m_window = m_x->FindWindow("frmMain");
                return m_window != 0 && m_x->IsViewable(m_window);
            },
            10000))
            << "the program's window did not show";
    }
    void TearDown() override {
        unsetenv("QT_SCALE_FACTOR");
        m_run.reset();
        m_x.reset();
        m_desktop.reset();
    }

    // The screen over the window against the skin scaled by two.
    ShapeComparison CompareShape(const Surface& screen, const RECT& window,
                                 const Surface& background) {
        const uint32_t cutAway = background.Pixel(0, 0);
        ShapeComparison result;
        for (int y = 0; y < background.Height() * kScale; ++y) {
            for (int x = 0; x < background.Width() * kScale; ++x) {
                const uint32_t shown = screen.Pixel(int(window.left) + x, int(window.top) + y);
                if (background.Pixel(x / kScale, y / kScale) == cutAway) {
                    result.beneathWrong += shown != PrivateDesktop::kColour;
                } else {
                    result.skinCoveredBy += shown == PrivateDesktop::kColour;
                }
            }
        }
        return result;
    }

    std::unique_ptr<PrivateDesktop> m_desktop;
    std::unique_ptr<XProbe> m_x;
    std::unique_ptr<HushwaveRun> m_run;
    uint32_t m_window = 0;
};

TEST_F(HighDensityTest, WindowIsTwiceItsSizeWithItsShapeAndCrispDigits) {
    const Surface background = BmpPicture(kSkin + "/background.bmp");
    const RECT window = m_x->ScreenRect(m_window);
    EXPECT_EQ(window.right - window.left, background.Width() * kScale);
    EXPECT_EQ(window.bottom - window.top, background.Height() * kScale);

    ShapeComparison shape;
    EXPECT_TRUE(Eventually(
        [&] {
            shape = CompareShape(Screenshot(), window, background);
            return shape == ShapeComparison{};
        },
        5000))
        << ::testing::PrintToString(shape);

    // The first frequency digit shows the 1 of 1800.00: the large digit picture's second cell.
    const Surface one =
        ScaledUp(PartOf(BmpPicture(kSkin + "/digits_large.bmp"), RECT{22 * 1, 0, 22 * 2, 27}));
    const RECT cell{window.left + 170 * kScale, window.top + 114 * kScale,
                    window.left + 170 * kScale + one.Width(),
                    window.top + 114 * kScale + one.Height()};
    Surface shown;
    EXPECT_TRUE(Eventually(
        [&] {
            shown = PartOf(Screenshot(), cell);
            return shown == one;
        },
        5000))
        << "the digit cell is not the 1x picture scaled by two";
}

TEST_F(HighDensityTest, DragAreaIsScaledWithTheWindow) {
    if (!ProgramOnPath("xdotool")) {
        SKIP_OR_FAIL("xdotool is not on PATH");
    }
    const Surface background = BmpPicture(kSkin + "/background.bmp");
    ASSERT_NE(background.Pixel(300, 20), background.Pixel(0, 0));
    const RECT before = m_x->ScreenRect(m_window);
    // The background above the readout, at a point that lies outside the window's 1x size.
    const int x = int(before.left) + 300 * kScale;
    const int y = int(before.top) + 20 * kScale;
    const auto point = [](int px, int py) { return std::to_string(px) + " " + std::to_string(py); };
    ASSERT_EQ(
        std::system(("xdotool mousemove " + point(x, y) + " mousedown 1 sleep 0.2 mousemove " +
                     point(x - 60, y + 40) + " sleep 0.1 mousemove " + point(x - 120, y + 80) +
                     " sleep 0.2 mouseup 1")
                        .c_str()),
        0);
    const RECT expected{before.left - 120, before.top + 80, before.right - 120, before.bottom + 80};
    EXPECT_TRUE(Eventually([&] { return m_x->ScreenRect(m_window) == expected; }, 3000));
}

// The minimise button (331, 26, 16 x 16 on the skin) takes its clicks at twice its place and
// size: a click in the part of its scaled area that lies beyond its 1x square hides the window.
TEST_F(HighDensityTest, ButtonsHitAreasAreScaledWithTheWindow) {
    if (!ProgramOnPath("xdotool")) {
        SKIP_OR_FAIL("xdotool is not on PATH");
    }
    const RECT window = m_x->ScreenRect(m_window);
    const int x = int(window.left) + (331 + 12) * kScale;
    const int y = int(window.top) + (26 + 12) * kScale;
    ASSERT_EQ(std::system(("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) +
                           " sleep 0.2 click 1")
                              .c_str()),
              0);
    EXPECT_TRUE(Eventually([&] { return !m_x->IsViewable(m_window); }, 3000))
        << "the click at the scaled button did not hide the window";
}

} // namespace
