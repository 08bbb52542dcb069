#pragma once
// The staged program on a private X server with a tray host and no window manager: the fixture
// that starts it and looks at the screen, and what the tests drive it with.

#include "platform/graphics/PngWriter.h"
#include "tests/SkipOrFail.h"
#include "tests/backend-qt/ChildProcess.h"
#include "tests/backend-qt/XProbe.h"
#include "tests/gui/Eventually.h"
#include "tests/gui/HushwaveRun.h"
#include "tests/gui/Pictures.h"
#include "tests/gui/PrivateDesktop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

const std::string kSkin = HUSHWAVE_SKIN_DIR;

// 1800 MHz at the board's 200 MHz clock and 1.3250 V, for ever.
const std::string kSteadyTrace = "0 0xA 0x08\n";

constexpr int kWindowWidth = 385;
constexpr int kWindowHeight = 215;
// The readout's components (bars, digits, labels) lie inside this rectangle of the window;
// elsewhere the window shows its background picture as it is.
constexpr RECT kReadout{32, 59, 345, 189};

// The minimise and close buttons in the window, and the stem of their pictures' names
// (min_up.bmp, min_over.bmp, min_down.bmp).
struct WindowButton {
    RECT area;
    const char* stem;
};
constexpr WindowButton kMinimise{{331, 26, 347, 42}, "min"};
constexpr WindowButton kClose{{354, 44, 370, 60}, "close"};
constexpr WindowButton kWindowButtons[] = {kMinimise, kClose};

inline RECT Offset(const RECT& r, int dx, int dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

inline bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

struct SkinComparison {
    int beneathWrong = 0;  // cut-away pixels that do not show what lies beneath
    int skinWrong = 0;     // pixels of the outline, away from the readout, unlike the skin
    int skinCoveredBy = 0; // pixels of the outline that show what lies beneath instead
    friend bool operator==(const SkinComparison&, const SkinComparison&) = default;
};

inline void PrintTo(const SkinComparison& c, std::ostream* os) {
    *os << "{beneathWrong " << c.beneathWrong << ", skinWrong " << c.skinWrong << ", skinCoveredBy "
        << c.skinCoveredBy << "}";
}

class HushwaveGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string missing =
                FirstMissingProgram({"Xvfb", "trayer", "xdotool", "import", "xsetroot"});
            !missing.empty()) {
            SKIP_OR_FAIL(missing << " is not on PATH");
        }
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        m_desktop = std::make_unique<PrivateDesktop>();
        m_x = std::make_unique<XProbe>();
        m_background = BmpPicture(kSkin + "/background.bmp");
        // The window shows its two buttons raised over the background picture.
        for (const WindowButton& button : kWindowButtons) {
            Surface raised = BmpPicture(kSkin + "/" + button.stem + "_up.bmp");
            for (int y = 0; y < raised.Height(); ++y) {
                for (int x = 0; x < raised.Width(); ++x) {
                    m_background.SetPixel(int(button.area.left) + x, int(button.area.top) + y,
                                          raised.Pixel(x, y));
                }
            }
        }
    }

    void TearDown() override {
        if (HasFailure() && !m_lastScreen.Empty()) {
            std::filesystem::path folder = std::filesystem::path(HUSHWAVE_GUI_FAILURES);
            std::filesystem::create_directories(folder);
            std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
            SavePng(m_lastScreen, (folder / (name + ".png")).string());
            std::cout << "The last screenshot is " << (folder / (name + ".png")).string() << "\n";
        }
        if (HasFailure() && m_run) {
            std::cout << "The end of the program's log:\n" << m_run->LogEnd(40);
        }
        m_run.reset();
        m_x.reset();
        m_desktop.reset();
    }

    // Starts the program and waits until its window is on the screen.
    void Start(const std::string& trace = kSteadyTrace) {
        m_run = std::make_unique<HushwaveRun>(HUSHWAVE_SIM_STAGE, trace);
        ASSERT_TRUE(Eventually(
            [&] {
                m_window = X().FindWindow("frmMain");
                return m_window != 0 && X().IsViewable(m_window);
            },
            10000))
            << "the program's window did not show";
    }

    XProbe& X() { return *m_x; }
    HushwaveRun& Run() { return *m_run; }
    uint32_t Window() const { return m_window; }
    RECT WindowRect() { return X().ScreenRect(m_window); }

    Surface Look() {
        m_lastScreen = Screenshot();
        return m_lastScreen;
    }

    // The screen over the window against the skin with its raised buttons: the skin's cut-away
    // colour is that of its top left pixel.
    SkinComparison CompareWithSkin(const Surface& screen, const RECT& window, uint32_t beneath) {
        const uint32_t cutAway = m_background.Pixel(0, 0);
        Surface area =
            PartOf(screen, RECT{window.left, window.top, window.left + m_background.Width(),
                                window.top + m_background.Height()});
        SkinComparison result;
        for (int y = 0; y < m_background.Height(); ++y) {
            for (int x = 0; x < m_background.Width(); ++x) {
                uint32_t shown = area.Pixel(x, y);
                uint32_t skin = m_background.Pixel(x, y);
                if (skin == cutAway) {
                    result.beneathWrong += shown != beneath;
                    continue;
                }
                result.skinCoveredBy += shown == beneath;
                result.skinWrong += !Inside(kReadout, x, y) && shown != skin;
            }
        }
        return result;
    }

    // Waits until the screen shows the skin's outline over `beneath`.
    SkinComparison SkinShown(uint32_t beneath, int timeoutMs = 5000) {
        SkinComparison result;
        Eventually(
            [&] {
                result = CompareWithSkin(Look(), WindowRect(), beneath);
                return result == SkinComparison{};
            },
            timeoutMs);
        return result;
    }

    Surface m_background;

private:
    std::unique_ptr<PrivateDesktop> m_desktop;
    std::unique_ptr<XProbe> m_x;
    std::unique_ptr<HushwaveRun> m_run;
    uint32_t m_window = 0;
    Surface m_lastScreen;
};

inline bool Xdotool(const std::string& arguments) {
    return std::system(("xdotool " + arguments).c_str()) == 0;
}

// Where `picture` shows on `screen` inside `area`, pixel for pixel.
inline std::optional<POINT> FindPicture(const Surface& screen, const RECT& area,
                                        const Surface& picture) {
    for (int y = int(area.top); y + picture.Height() <= area.bottom; ++y) {
        for (int x = int(area.left); x + picture.Width() <= area.right; ++x) {
            RECT at{x, y, x + picture.Width(), y + picture.Height()};
            if (PartOf(screen, at) == picture) {
                return POINT{x, y};
            }
        }
    }
    return std::nullopt;
}
