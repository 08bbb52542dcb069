// Start-up and display updates of the program, run from its entry point.

#include "app/TTfrmMain.h"
#include "hardware/AcpiInterface.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/kernel/InProcessLibraries.h"
#include "tests/e2e/FakeBoard.h"
#include "tests/e2e/ProgramRun.h"
#include "tests/hardware/FakeIoDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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

TEST_F(EndToEnd, FirstDisplayCountsUpTo2200InTwentyThreePasses) {
    std::string digits, volts, hint;
    RunProgram("DEBUG", 1, [&](uint64_t) {
        digits = DigitsOnWindow("imgCPU", 7, "imglstNumL");
        volts = DigitsOnWindow("imgVID", 6, "imglstNumM");
        hint = TrayHint();
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
        hint = TrayHint();
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
