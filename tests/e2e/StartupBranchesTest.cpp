// The branches of the start-up sequence, each run from the entry point to the end of the
// program: the language library, the external clock's sources, the Windows 9x path, a first
// reading that fails, FID codes past the table, a bar file that is missing.

#include "app/TTfrmMain.h"
#include "hardware/IoAccess.h"
#include "platform/com/WmiTesting.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TMenuItem.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/graphics/FontRequest.h"
#include "platform/graphics/TFont.h"
#include "platform/kernel/DeviceNamespace.h"
#include "platform/kernel/Version.h"
#include "tests/dmi/DmiTableBuilder.h"
#include "tests/e2e/FakeBoard.h"
#include "tests/e2e/FakeLanguage.h"
#include "tests/e2e/ProgramRun.h"
#include "tests/hardware/FakeIoDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

enum class Ending { None, BiosDisabled, ProcessorUnsupported };

struct Language {
    const char* name;
    const char* languageName;
    std::map<std::string, std::string> translations;
    Ending ending;
    // Shown while the program runs; unchecked for a start-up that ends.
    const char* frequencyCaption;
    const char* voltageCaption;
    int charset;
    const char* restore;
    const char* close;
    const char* box; // the start-up's message, when it ends
};

const std::map<std::string, std::string> kGerman = {
    {"CPU Frequency", "CPU-Takt"},
    {"CPU Voltage", "CPU-Spannung"},
    {"Restore", "Wiederherstellen"},
    {"Close", "Beenden"},
    {"Hushwave has been disabled, please enable it first.",
     "Hushwave ist abgeschaltet, bitte zuerst einschalten."},
    {"You can do this through the BIOS setup menu.", "Das geht im BIOS-Setup."},
    {"This CPU doesn't support Hushwave function.", "Dieser Prozessor kann kein Hushwave."},
};

const std::map<std::string, std::string> kJapanese = {
    {"CPU Frequency", "CPU周波数"},
    {"CPU Voltage", "CPU電圧"},
    {"Restore", "元に戻す"},
    {"Close", "閉じる"},
    {"Hushwave has been disabled, please enable it first.", "Hushwaveが無効です。"},
    {"You can do this through the BIOS setup menu.", "BIOSで有効にしてください。"},
    {"This CPU doesn't support Hushwave function.", "このCPUはHushwaveに対応していません。"},
};

const Language kLanguages[] = {
    {"German", "German", kGerman, Ending::None, "CPU-Takt", "CPU-Spannung", DEFAULT_CHARSET,
     "Wiederherstellen", "Beenden", nullptr},
    {"Japanese", "Japanese", kJapanese, Ending::None, "CPU周波数", "CPU電圧", SHIFTJIS_CHARSET,
     "元に戻す", "閉じる", nullptr},
    {"JapaneseInLowerCaseKeepsTheCharacterSet", "japanese", kJapanese, Ending::None, "CPU周波数",
     "CPU電圧", DEFAULT_CHARSET, "元に戻す", "閉じる", nullptr},
    {"GermanBiosDisabled", "German", kGerman, Ending::BiosDisabled, nullptr, nullptr, 0, nullptr,
     nullptr, "Hushwave ist abgeschaltet, bitte zuerst einschalten.\nDas geht im BIOS-Setup."},
    {"JapaneseBiosDisabled", "Japanese", kJapanese, Ending::BiosDisabled, nullptr, nullptr, 0,
     nullptr, nullptr, "Hushwaveが無効です。\nBIOSで有効にしてください。"},
    {"GermanProcessorUnsupported", "German", kGerman, Ending::ProcessorUnsupported, nullptr,
     nullptr, 0, nullptr, nullptr, "Dieser Prozessor kann kein Hushwave."},
};

void PrintTo(const Language& row, std::ostream* out) {
    *out << row.name;
}

class LanguageShown : public EndToEnd, public ::testing::WithParamInterface<Language> {};

TEST_P(LanguageShown, InCaptionsFontsMenuAndMessages) {
    const Language& row = GetParam();
    RegisterFakeLanguage(row.languageName, row.translations);
    if (row.ending == Ending::BiosDisabled) {
        FakeBoard().biosOption = 0;
    } else if (row.ending == Ending::ProcessorUnsupported) {
        SetFakeCpuId(0x80000007, 0, 0x2);
    }
    std::string frequency, voltage, restore, close;
    std::vector<int> charsets;
    RunProgram("", 1, [&](uint64_t) {
        auto* lbCpuFreq = dynamic_cast<TLabel*>(frmMain->FindComponent("lbCpuFreq"));
        auto* lbCpuVolt = dynamic_cast<TLabel*>(frmMain->FindComponent("lbCpuVolt"));
        frequency = lbCpuFreq->Caption();
        voltage = lbCpuVolt->Caption();
        charsets = {frmMain->Font()->Charset(), lbCpuFreq->Font()->Charset(),
                    lbCpuVolt->Font()->Charset()};
        restore = dynamic_cast<TMenuItem*>(frmMain->FindComponent("Restore1"))->Caption();
        close = dynamic_cast<TMenuItem*>(frmMain->FindComponent("Close1"))->Caption();
    });
    auto boxes = TakeRecordedMessageBoxes();
    if (row.ending == Ending::None) {
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(frequency, row.frequencyCaption);
        EXPECT_EQ(voltage, row.voltageCaption);
        EXPECT_EQ(charsets, std::vector<int>(3, row.charset));
        EXPECT_EQ(restore, row.restore);
        EXPECT_EQ(close, row.close);
    } else {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, row.box);
        EXPECT_EQ(boxes[0].caption, "Hushwave");
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageShown, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClockSource {
    const char* name;
    uint16_t smbiosClock; // 0: no SMBIOS table
    bool acpi;
    std::vector<WORD> list; // the board's external clocks
    const char* logged;     // the path the reading takes
    const char* frequency;  // FID 14: multiplier 11
};

const ClockSource kClockSources[] = {
    {"Smbios201WithoutAcpi",
     201,
     false,
     {20000},
     "Not Support ZVR0710, Get CPU Frequency from DMI.",
     "2211.00"},
    {"Smbios166WithoutAcpi",
     166,
     false,
     {20000},
     "Not Support ZVR0710, Get CPU Frequency from DMI.",
     "1826.00"},
    {"Smbios201WithAcpiAndAnEmptyList",
     201,
     true,
     {},
     "Support ZVR0710 but Get CPU Frequency from DMI.",
     "2211.00"},
    {"Smbios166WithAcpiAndAnEmptyList",
     166,
     true,
     {},
     "Support ZVR0710 but Get CPU Frequency from DMI.",
     "1826.00"},
    {"Smbios166WithAcpiAndAListTakesTheList",
     166,
     true,
     {20100},
     "lpCPUExtFreqList[nFSBIdx]: 20100",
     "2211.00"},
    {"NoSmbiosWithAnEmptyListStaysAtTheReference",
     0,
     true,
     {},
     "Support ZVR0710 but Get CPU Frequency from DMI.",
     "2200.00"},
    {"NoSmbiosWithoutAcpiStaysAtTheReference",
     0,
     false,
     {20000},
     "Not Support ZVR0710, Get CPU Frequency from DMI.",
     "2200.00"},
};

void PrintTo(const ClockSource& row, std::ostream* out) {
    *out << row.name;
}

class ClockSourceShown : public EndToEnd, public ::testing::WithParamInterface<ClockSource> {};

TEST_P(ClockSourceShown, InTheFrequencyDigits) {
    const ClockSource& row = GetParam();
    if (row.smbiosClock != 0) {
        DmiTableBuilder table;
        table.Processor(row.smbiosClock).EndOfTable();
        fs::path path = m_folder / "dmi-table";
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(table.bytes.data()),
                   static_cast<std::streamsize>(table.bytes.size()));
        SetDmiTablePathForTesting(path.string());
    }
    FakeBoard().initialization = row.acpi ? 1 : 0;
    FakeBoard().extClocks = row.list;
    std::string frequency;
    RunProgram("DEBUG", 1,
               [&](uint64_t) { frequency = DigitsOnWindow("imgCPU", 7, "imglstNumL"); });
    EXPECT_EQ(frequency, row.frequency);
    EXPECT_GE(Count(row.logged), 1);
    EXPECT_TRUE(TakeRecordedMessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(ClockSources, ClockSourceShown, ::testing::ValuesIn(kClockSources),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EndToEnd, Windows9xReadsThroughTheDeviceAndDrawsTheArcIntoItsImage) {
    auto device = std::make_shared<FakeZudaVxD>();
    RegisterDevice("ZUDA.VXD", device);
    SetPlatformIdForTesting(VER_PLATFORM_WIN32_WINDOWS);
    std::string frequency;
    int arc = -2;
    RunProgram("DEBUG", 1, [&](uint64_t) {
        frequency = DigitsOnWindow("imgCPU", 7, "imglstNumL");
        arc = ArcFrameOnWindow();
    });
    UnregisterDevice("ZUDA.VXD");
    EXPECT_EQ(Count("None NT system."), 1);
    EXPECT_EQ(Count("NT System"), 0);
    EXPECT_TRUE(FakeIo().calls.empty()) << "the library is never touched";
    EXPECT_EQ(frequency, "2200.00");
    EXPECT_EQ(arc, 20);
    EXPECT_EQ(device.use_count(), 1) << "the device handle was closed";
}

TEST_F(EndToEnd, FirstReadingThatFailsLeavesTheDisplayToTheTimer) {
    FakeIo().msrReadable = false;
    std::string frequency;
    RunProgram("DEBUG", 250, [&](uint64_t elapsed) {
        if (elapsed >= 50) {
            FakeIo().msrReadable = true;
        }
        frequency = DigitsOnWindow("imgCPU", 7, "imglstNumL");
    });
    auto lines = LogLines();
    auto after = std::find(lines.begin(), lines.end(), "after Get_FIDVID");
    ASSERT_NE(after, lines.end());
    EXPECT_EQ(*(after + 1), "TTfrmMain constructor complete.") << "no sweep without a reading";
    EXPECT_EQ(Count("Total step = 22"), 1) << "the timer's first reading sweeps from 0";
    EXPECT_EQ(frequency, "2200.00");
}

TEST_F(EndToEnd, FidCodesPastTheTableFollowItsRule) {
    // FID 45 counts as 44: multiplier 26, 5200 MHz, too far for a sweep from 0.
    SetFakeMsr(FidHalf(45, 45, 45), VidHalf(0, 0, 6));
    std::string frequency, hint;
    int arc = -2;
    RunProgram("DEBUG", 150, [&](uint64_t) {
        frequency = DigitsOnWindow("imgCPU", 7, "imglstNumL");
        arc = ArcFrameOnWindow();
        hint = TrayHint();
    });
    EXPECT_EQ(Count("nStep > 50"), 1);
    EXPECT_EQ(frequency, "5200.00");
    EXPECT_EQ(arc, 20);
    EXPECT_EQ(hint, "CPU Frequency : 5200 MHz\nVoltage : 1.3750 v");
}

TEST_F(EndToEnd, MissingBarFileIsReportedAndWhatTheWindowHeldIsReleased) {
    fs::remove(m_folder / "RES" / "bar_07.bmp");
    RunProgram("DEBUG");
    auto boxes = TakeRecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("bar_07.bmp"), std::string::npos) << boxes[0].text;
    EXPECT_EQ(boxes[0].caption, "hushwave");
    EXPECT_EQ(boxes[0].type, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(Count("before Prepare"), 0);
    // Released as at the end of a run: checked after every run.
}

} // namespace
