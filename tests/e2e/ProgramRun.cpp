#include "tests/e2e/ProgramRun.h"

#include "app/Log.h"
#include "app/TTfrmMain.h"
#include "app/WinMain.h"
#include "hardware/AcpiInterface.h"
#include "hardware/FidVidStatus.h"
#include "hardware/IoAccess.h"
#include "lang/LanguageLibrary.h"
#include "platform/application/TApplication.h"
#include "platform/com/WmiTesting.h"
#include "platform/controls/TCustomImageList.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TTrayIcon.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/graphics/Surface.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/kernel/DeviceNamespace.h"
#include "platform/kernel/InProcessLibraries.h"
#include "platform/kernel/Process.h"
#include "platform/kernel/Version.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"
#include "tests/e2e/FakeBoard.h"
#include "tests/hardware/FakeIoDriver.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

void PassClock::Sleep(DWORD ms) {
    // Only the pause after each pass of a sweep is 10 ms long.
    if (ms == 10 && onPass) {
        onPass();
    }
    m_clock.Sleep(ms);
}

void EndToEnd::SetUp() {
    // A folder per test: the log, the bar files and the single-instance lock are its own.
    static int run = 0;
    m_folder = fs::temp_directory_path() /
               ("hushwave-e2e-" + std::to_string(getpid()) + "-" + std::to_string(run++));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder / "RES");
    for (int i = 0; i <= 20; ++i) {
        std::string name = (i < 10 ? "bar_0" : "bar_") + std::to_string(i) + ".bmp";
        fs::copy_file(fs::path(HUSHWAVE_SKIN_DIR) / name, m_folder / "RES" / name);
    }
    SetExeNameForTesting((m_folder / "hushwave").string());
    setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
    SetDmiTablePathForTesting((m_folder / "no-dmi-table").string());
    SetClock(&m_clock);
    ResetReadoutForTesting();
    UnbindIoAccessForTesting();
    UnbindLanguageLibraryForTesting();
    bDebugLog = false;
    bIsNT = true;
    ReadCount = 1;
    TakeRecordedMessageBoxes();
    ResetFakeIo();
    ResetFakeBoard();
    RegisterFakeZuDA();
    RegisterFakeZOverclk();
    SetFakeCpuId(0x80000007, 0, 0x6);
    SetFakeCpuId(0x80000001, 0x4, 0);
    // FID 14 (2200 MHz at 200 MHz), VID 6 (1.375 V).
    SetFakeMsr(FidHalf(14, 14, 14), VidHalf(2, 2, 6));
}

void EndToEnd::TearDown() {
    MessageLoop::Instance().Reset();
    SetPlatformIdForTesting(0);
    ClearDevices();
    ClearInProcessLibraries();
    SetClock(nullptr);
    SetExeNameForTesting("");
    fs::remove_all(m_folder);
}

void EndToEnd::RunProgram(const char* commandLine, int quitAfterMs,
                          std::function<void(uint64_t)> during) {
    TApplication application(nullptr);
    if (quitAfterMs == 0) {
        PostQuitMessage(0);
    } else {
        // Counts from the first tick, which comes once the message loop runs.
        auto start = std::make_shared<uint64_t>(0);
        MessageLoop::Instance().SetTimer(5, [=, this] {
            if (*start == 0) {
                *start = m_clock.NowMs();
            }
            uint64_t elapsed = m_clock.NowMs() - *start;
            if (during) {
                during(elapsed);
            }
            if (elapsed >= static_cast<uint64_t>(quitAfterMs)) {
                Quit();
            }
        });
    }
    ASSERT_EQ(WinMain(commandLine), 0);
    ExpectReleased();
}

void EndToEnd::ExpectReleased() {
    const std::vector<std::string>& calls = FakeIo().calls;
    const bool opened = std::any_of(calls.begin(), calls.end(), [](const std::string& call) {
        return call.starts_with("Open(");
    });
    if (opened) {
        EXPECT_EQ(calls.back(), "Close") << "the I/O driver is closed last";
    }
    EXPECT_EQ(FakeBoard().closes, FakeBoard().initializations > 0 ? 1 : 0)
        << "the board library is closed once when it was initialised, never otherwise";
    EXPECT_FALSE(hOCDll) << "the board library is unloaded";
}

void EndToEnd::Quit() {
    if (frmMain != nullptr) {
        PostMessageA(frmMain->Handle(), WM_USER, 0, 0);
    }
}

std::vector<std::string> EndToEnd::LogLines() const {
    std::ifstream in(m_folder / "hushwave.log");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        // "yyyy-mm-dd nn:hh:ss - " comes first on every line.
        EXPECT_GE(line.size(), 22u);
        EXPECT_EQ(line.substr(19, 3), " - ");
        lines.push_back(line.substr(22));
    }
    return lines;
}

int EndToEnd::Count(const std::string& prefix) const {
    auto lines = LogLines();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](auto& line) { return line.rfind(prefix, 0) == 0; }));
}

DWORD FidHalf(int max, int start, int curr) {
    return static_cast<DWORD>((max << 16) | (start << 8) | curr);
}

DWORD VidHalf(int max, int start, int curr) {
    return static_cast<DWORD>((max << 16) | (start << 8) | curr);
}

namespace {

Surface& WindowSurface() {
    return FindWindow(frmMain->Handle())->GetSurface();
}

// The index of the list's picture that the control shows on the window, -1 for none.
int ListPictureAt(const TControl& control, const TCustomImageList& images) {
    Surface& surface = WindowSurface();
    for (int index = 0; index < images.Count(); ++index) {
        TBitmap picture;
        picture.SetWidth(images.Width());
        picture.SetHeight(images.Height());
        images.Draw(picture.Canvas(), 0, 0, index);
        bool same = true;
        for (int y = 0; y < images.Height() && same; ++y) {
            for (int x = 0; x < images.Width() && same; ++x) {
                same = ColorRefFromPixel(surface.Pixel(control.Left() + x, control.Top() + y)) ==
                       static_cast<COLORREF>(picture.Canvas()->Pixels(x, y));
            }
        }
        if (same) {
            return index;
        }
    }
    return -1;
}

template <class T> T& Component(const std::string& name) {
    auto* found = dynamic_cast<T*>(frmMain->FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

constexpr int kArcLeft = 49;
constexpr int kArcTop = 59;

} // namespace

std::string DigitsOnWindow(const char* prefix, int count, const char* list) {
    auto& images = Component<TCustomImageList>(list);
    std::string shown;
    for (int j = 1; j <= count; ++j) {
        int index = ListPictureAt(Component<TControl>(prefix + std::to_string(j)), images);
        shown.push_back(index < 0     ? '?'
                        : index < 10  ? static_cast<char>('0' + index)
                        : index == 10 ? '.'
                                      : '*');
    }
    return shown;
}

int VoltageBarOnWindow() {
    return ListPictureAt(Component<TControl>("imgVIDPerc"),
                         Component<TCustomImageList>("imglstCPUPerf"));
}

int ArcFrameOnWindow() {
    Surface& surface = WindowSurface();
    for (int index = 0; index < TTfrmMain::kBarFrameCount; ++index) {
        TBitmap* frame = frmMain->BarFrames[index];
        if (frame == nullptr) {
            continue;
        }
        TCanvas* canvas = frame->Canvas();
        const TColor background = canvas->Pixels(0, frame->Height() - 1);
        bool same = true;
        for (int y = 0; y < frame->Height() && same; ++y) {
            for (int x = 0; x < frame->Width() && same; ++x) {
                TColor pixel = canvas->Pixels(x, y);
                same = pixel == background ||
                       ColorRefFromPixel(surface.Pixel(kArcLeft + x, kArcTop + y)) ==
                           static_cast<COLORREF>(pixel);
            }
        }
        if (same) {
            return index;
        }
    }
    return -1;
}

void CoverArc() {
    TBitmap* frame = frmMain->BarFrames[0];
    TCanvas* canvas = frmMain->Canvas();
    canvas->Brush()->SetColor(TColor(0x00FF00FF));
    canvas->FillRect(
        TRect(kArcLeft, kArcTop, kArcLeft + frame->Width(), kArcTop + frame->Height()));
}

std::string TrayHint() {
    return Component<TTrayIcon>("TrayIcon1").Hint();
}
