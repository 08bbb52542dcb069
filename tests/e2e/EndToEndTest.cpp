// The program from its entry point on the headless window system, with a virtual clock and
// the maker's libraries replaced in process. Process-wide state of the program (bindings,
// the last shown values) lives once per process, as in the program itself, so CTest runs each
// case in a process of its own.

#include "app/Log.h"
#include "app/TTfrmMain.h"
#include "app/WinMain.h"
#include "hardware/AcpiInterface.h"
#include "platform/application/TApplication.h"
#include "platform/com/WmiTesting.h"
#include "platform/controls/TCustomImageList.h"
#include "platform/controls/TTrayIcon.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/kernel/Clock.h"
#include "platform/kernel/InProcessLibraries.h"
#include "platform/kernel/Process.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"
#include "tests/e2e/FakeBoard.h"
#include "tests/hardware/FakeIoDriver.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

int32_t AlwaysOne() {
    return 1;
}

int closes = 0;
int32_t CountedClose() {
    ++closes;
    return 1;
}

// FID codes in the low half, VID codes in the high half: max, start, current.
DWORD FidHalf(int max, int start, int curr) {
    return (max << 16) | (start << 8) | curr;
}
DWORD VidHalf(int max, int start, int curr) {
    return (max << 16) | (start << 8) | curr;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("hushwave-e2e-" + std::to_string(getpid()));
        fs::create_directories(m_folder / "RES");
        for (int i = 0; i <= 20; ++i) {
            std::string name = (i < 10 ? "bar_0" : "bar_") + std::to_string(i) + ".bmp";
            fs::copy_file(fs::path(HUSHWAVE_SKIN_DIR) / name, m_folder / "RES" / name);
        }
        SetExeNameForTesting((m_folder / "hushwave").string());
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
        SetDmiTablePathForTesting((m_folder / "no-dmi-table").string());
        SetClock(&m_clock);
        ResetFakeIo();
        ResetFakeBoard();
        RegisterFakeZuDA();
        RegisterFakeZOverclk();
        SetFakeCpuId(0x80000007, 0, 0x6);
        SetFakeCpuId(0x80000001, 0x4, 0);
        // FID 14 (2200 MHz at 200 MHz), VID 6 (1.375 V).
        SetFakeMsr(FidHalf(14, 14, 14), VidHalf(2, 2, 6));
    }
    void TearDown() override {
        MessageLoop::Instance().Reset();
        ClearInProcessLibraries();
        SetClock(nullptr);
        SetExeNameForTesting("");
        fs::remove_all(m_folder);
    }

    // Runs the program until `quitAfterMs` of virtual time after its window exists (or at
    // once when the start-up ends it); `during` runs at each timer tick of the test's own.
    void RunProgram(const char* commandLine, int quitAfterMs = 0,
                    std::function<void(uint64_t)> during = {}) {
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
                if (elapsed >= static_cast<uint64_t>(quitAfterMs) && frmMain != nullptr) {
                    PostMessageA(frmMain->Handle(), WM_USER, 0, 0);
                }
            });
        }
        ASSERT_EQ(WinMain(commandLine), 0);
    }

    std::vector<std::string> LogLines() const {
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

    int Count(const std::string& prefix) const {
        auto lines = LogLines();
        return static_cast<int>(std::count_if(
            lines.begin(), lines.end(), [&](auto& line) { return line.rfind(prefix, 0) == 0; }));
    }

    fs::path m_folder;
    VirtualClock m_clock;
};

const std::vector<std::string> kUpToIoLibrary = {"TTfrmMain constructor.",
                                                 "LoadReDedizEviz complete.", "NT System"};

TEST_F(EndToEnd, MissingIoLibraryEndsWithItsMessage) {
    ClearInProcessLibraries();
    RunProgram("DEBUG");
    EXPECT_EQ(LogLines(), kUpToIoLibrary);
    auto boxes = TakeRecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Open ZuDA.dll Fail !!");
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_FALSE(boxes[0].owner);
    EXPECT_EQ(boxes[0].type, MB_OK);
}

TEST_F(EndToEnd, MissingAcpiLibraryEndsAlthoughTheIoLibraryOpened) {
    UnregisterInProcessLibrary("ZOverclk.dll");
    RunProgram("DEBUG");
    auto expected = kUpToIoLibrary;
    expected.push_back("LoadIODLL OK.");
    EXPECT_EQ(LogLines(), expected);
    auto boxes = TakeRecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Open ACPI Interface (ZOverclk.dll) Fail !!");
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_FALSE(boxes[0].owner);
}

TEST_F(EndToEnd, BiosSettingDisabledEndsWithTwoLines) {
    FakeBoard().biosOption = 0;
    RunProgram("DEBUG");
    auto expected = kUpToIoLibrary;
    expected.insert(expected.end(),
                    {"LoadIODLL OK.", "Load FILE_NAME_OC_DLL OK.", "before pOCAPI_Initialization",
                     "after pOCAPI_Initialization", "Support ZORVEK ACPI Interface.",
                     "Support ZORVEK ACPI Interface and BIOS hwx flag support.",
                     "BIOS hwx disabled."});
    EXPECT_EQ(LogLines(), expected);
    auto boxes = TakeRecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Hushwave has been disabled, please enable it first.\n"
                             "You can do this through the BIOS setup menu.");
    EXPECT_EQ(boxes[0].caption, "Hushwave");
    EXPECT_EQ(boxes[0].type, MB_ICONERROR | MB_OK);
    EXPECT_TRUE(boxes[0].owner) << "owned by the main window";
}

TEST_F(EndToEnd, ProcessorWithoutControlEndsAfterTheListWasFetched) {
    SetFakeCpuId(0x80000007, 0, 0x2); // FID control only
    FakeBoard().optionQueryable = false;
    RunProgram("DEBUG");
    auto expected = kUpToIoLibrary;
    expected.insert(expected.end(),
                    {"LoadIODLL OK.", "Load FILE_NAME_OC_DLL OK.", "before pOCAPI_Initialization",
                     "after pOCAPI_Initialization", "Support ZORVEK ACPI Interface.",
                     "nCPUExtFreqNum: 1", "before Prepare"});
    EXPECT_EQ(LogLines(), expected);
    auto boxes = TakeRecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "This CPU doesn't support Hushwave function.");
    EXPECT_EQ(boxes[0].caption, "Hushwave");
    EXPECT_EQ(boxes[0].type, MB_ICONERROR | MB_OK);
}

TEST_F(EndToEnd, BoardWithoutAcpiSupportGoesOnWithoutIt) {
    FakeBoard().initialization = 0;
    RunProgram("DEBUG");
    auto lines = LogLines();
    auto after = std::find(lines.begin(), lines.end(), "after pOCAPI_Initialization");
    ASSERT_NE(after, lines.end());
    EXPECT_EQ(*(after + 1), "before Prepare");
    EXPECT_EQ(lines.back(), "TTfrmMain constructor complete.");
    EXPECT_TRUE(TakeRecordedMessageBoxes().empty());
}

TEST_F(EndToEnd, BoardLibraryLackingAnEntryPointIsNamedAndNeverInitialised) {
    UnregisterInProcessLibrary("ZOverclk.dll");
    RegisterInProcessLibrary("ZOverclk.dll", {{"OCAPI_Initialization", EntryPoint(&AlwaysOne)},
                                              {"OCAPI_Close", EntryPoint(&CountedClose)},
                                              {"OCAPI_GetACPIOCList", EntryPoint(&AlwaysOne)}});
    closes = 0;
    RunProgram("DEBUG");
    auto lines = LogLines();
    auto loaded = std::find(lines.begin(), lines.end(), "Load FILE_NAME_OC_DLL OK.");
    ASSERT_NE(loaded, lines.end());
    EXPECT_EQ(std::vector<std::string>(loaded + 1, loaded + 4),
              (std::vector<std::string>{"FILE_NAME_OC_DLL lacks OCAPI_ACPI_OC_GetCurrentOption.",
                                        "FILE_NAME_OC_DLL lacks OCAPI_GetSingleHealthData.",
                                        "before Prepare"}));
    EXPECT_EQ(Count("Not Support ZVR0710, Get CPU Frequency from DMI."), 1);
    EXPECT_EQ(lines.back(), "TTfrmMain constructor complete.");
    EXPECT_EQ(closes, 0) << "a library never initialised is not closed";
    EXPECT_FALSE(hOCDll) << "but it is unloaded";
}

// The digits a row of images shows, read off the window's surface and matched against the
// image list's pictures; '?' where no picture matches.
std::string DigitsOnWindow(const char* prefix, int count, const char* list) {
    auto* images = dynamic_cast<TCustomImageList*>(frmMain->FindComponent(list));
    Surface& surface = FindWindow(frmMain->Handle())->GetSurface();
    std::string shown;
    for (int j = 1; j <= count; ++j) {
        auto* digit = dynamic_cast<TControl*>(frmMain->FindComponent(prefix + std::to_string(j)));
        char found = '?';
        for (int index = 0; index < 12 && found == '?'; ++index) {
            TBitmap picture;
            picture.SetWidth(images->Width());
            picture.SetHeight(images->Height());
            images->Draw(picture.Canvas(), 0, 0, index);
            bool same = true;
            for (int y = 0; y < images->Height() && same; ++y) {
                for (int x = 0; x < images->Width() && same; ++x) {
                    same = ColorRefFromPixel(surface.Pixel(digit->Left() + x, digit->Top() + y)) ==
                           static_cast<COLORREF>(picture.Canvas()->Pixels(x, y));
                }
            }
            if (same) {
                found = index < 10 ? static_cast<char>('0' + index) : index == 10 ? '.' : '*';
            }
        }
        shown.push_back(found);
    }
    return shown;
}

TEST_F(EndToEnd, FirstDisplayCountsUpTo2200InTwentyThreePasses) {
    std::string digits, volts, hint;
    RunProgram("DEBUG", 1, [&](uint64_t) {
        digits = DigitsOnWindow("imgCPU", 7, "imglstNumL");
        volts = DigitsOnWindow("imgVID", 6, "imglstNumM");
        hint = dynamic_cast<TTrayIcon*>(frmMain->FindComponent("TrayIcon1"))->Hint();
    });
    EXPECT_EQ(Count("Total step = 22"), 1);
    EXPECT_EQ(Count("nThisCPUBar = "), 23);
    EXPECT_EQ(digits, "2200.00");
    EXPECT_EQ(hint, "CPU Frequency : 2200 MHz\nVoltage : 1.3750 v");
    // The ACPI path leaves the voltage digits to the board, which has no reading here: they
    // are never drawn.
    EXPECT_EQ(volts, "??????");
}

TEST_F(EndToEnd, ChangeBelowOneHundredMegahertzIsOnePass) {
    FakeBoard().extClocks = {20000, 20100};
    FakeBoard().fsbIndexes = {0, 1};
    std::string digits;
    RunProgram("DEBUG", 150, [&](uint64_t) { digits = DigitsOnWindow("imgCPU", 7, "imglstNumL"); });
    auto lines = LogLines();
    auto second = std::find(lines.begin(), lines.end(), "lpCPUExtFreqList[nFSBIdx]: 20100");
    ASSERT_NE(second, lines.end());
    EXPECT_EQ(std::count(second, lines.end(), "Total step = 0"), 1);
    EXPECT_EQ(std::count_if(second, lines.end(),
                            [](auto& l) { return l.rfind("nThisCPUBar = ", 0) == 0; }),
              1);
    EXPECT_EQ(digits, "2211.00");
}

TEST_F(EndToEnd, JumpOfFiftyOneStepsDrawsNothingUntilTheNextUpdate) {
    FakeBoard().extClocks = {20500};
    SetFakeMsr(FidHalf(42, 42, 42), VidHalf(2, 2, 2)); // 25 x 205 = 5125 MHz
    std::string digits;
    RunProgram("DEBUG", 150, [&](uint64_t) { digits = DigitsOnWindow("imgCPU", 7, "imglstNumL"); });
    auto lines = LogLines();
    auto jump = std::find(lines.begin(), lines.end(), "nStep > 50");
    ASSERT_NE(jump, lines.end());
    EXPECT_EQ(std::count_if(lines.begin(), jump,
                            [](auto& l) { return l.rfind("nThisCPUBar = ", 0) == 0; }),
              0);
    EXPECT_NE(std::find(jump, lines.end(), "Total step = 0"), lines.end());
    EXPECT_EQ(digits, "5125.00");
}

TEST_F(EndToEnd, ExternalClockAbove200PushesTheBarPastItsLastFrame) {
    FakeBoard().extClocks = {22000};
    RunProgram("DEBUG", 100);
    // 11 x 220 = 2420 MHz: the sweep's last pass at 2400 MHz over 110 MHz per frame is 21.
    auto lines = LogLines();
    auto last = std::find_if(lines.rbegin(), lines.rend(),
                             [](auto& l) { return l.rfind("nThisCPUBar = ", 0) == 0; });
    ASSERT_NE(last, lines.rend());
    EXPECT_EQ(*last, "nThisCPUBar = 21");
}

TEST_F(EndToEnd, AcpiVoltageGoesToTheDigitsWhileHintFollowsTheVidTable) {
    FakeBoard().vcoreMillivolts = 1350;
    std::string volts, hint;
    RunProgram("DEBUG", 1, [&](uint64_t) {
        volts = DigitsOnWindow("imgVID", 6, "imglstNumM");
        hint = dynamic_cast<TTrayIcon*>(frmMain->FindComponent("TrayIcon1"))->Hint();
    });
    EXPECT_EQ(volts, "1.3500");
    EXPECT_EQ(hint, "CPU Frequency : 2200 MHz\nVoltage : 1.3750 v");
    EXPECT_EQ(Count("Get CPU VCore from ACPI."), 1);
}

TEST_F(EndToEnd, OutOfRangeClockIndexIsAskedForTwoSecondsThenLeftAlone) {
    FakeBoard().fsbIndexes = {5};
    uint64_t before = m_clock.NowMs();
    RunProgram("DEBUG");
    EXPECT_EQ(FakeBoard().fsbQueries, 21);
    EXPECT_GE(m_clock.NowMs() - before, 2000u);
    EXPECT_EQ(Count("nFSBIdx out of range: 5"), 1);
    EXPECT_EQ(Count("Total step = 22"), 1) << "shown at the 200 MHz reference";
}

TEST_F(EndToEnd, WithoutTheSwitchNoLogIsWritten) {
    RunProgram("");
    EXPECT_FALSE(fs::exists(m_folder / "hushwave.log"));
}

} // namespace
