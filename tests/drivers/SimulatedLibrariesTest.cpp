// The simulated processor and board libraries, opened from the build tree. The test links the
// simulation library itself for its seams: the libraries opened here share it.
#include "drivers/simulation/Simulation.h"
#include "drivers/zoverclk/ZOverclk.h"
#include "drivers/zuda/ZuDA.h"
#include "tests/drivers/LoadedLibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include <unistd.h>

namespace {

constexpr const char* kVariables[] = {"HUSHWAVE_SIM_MODEL", "HUSHWAVE_SIM_TRACE",
                                      "HUSHWAVE_SIM_BIOS", "HUSHWAVE_SIM_ACPI",
                                      "HUSHWAVE_SIM_FSB_INDEX"};

struct Words {
    uint32_t low;
    uint32_t high;
    friend bool operator==(const Words&, const Words&) = default;
};

std::ostream& operator<<(std::ostream& os, const Words& w) {
    return os << std::hex << "{0x" << w.low << ", 0x" << w.high << "}" << std::dec;
}

uint32_t Word(const uint8_t* b) {
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

class SimulatedLibraries : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(zuda.Loaded()) << dlerror();
        ASSERT_TRUE(board.Loaded()) << dlerror();
        for (const char* name : kVariables) {
            unsetenv(name);
        }
        WriteStat(0, 0);
        zvsim::SetProcStatPathForTesting(statPath);
        zvsim::SetSimulationClockForTesting([this] { return nowUs; });
        zvsim::ResetSimulationForTesting();
    }

    void TearDown() override {
        Entry<decltype(ZUDA_Close)>("ZUDA_Close")();
        for (const char* name : kVariables) {
            unsetenv(name);
        }
        zvsim::SetSimulationClockForTesting(nullptr);
        zvsim::SetProcStatPathForTesting("");
        zvsim::ResetSimulationForTesting();
        std::filesystem::remove(statPath);
        std::filesystem::remove(tracePath);
    }

    // Sets the environment and opens the processor library, its first use.
    int32_t Start(const std::map<std::string, std::string>& environment = {}) {
        for (const auto& [name, value] : environment) {
            setenv(name.c_str(), value.c_str(), 1);
        }
        return Entry<decltype(ZUDA_Open)>("ZUDA_Open")("");
    }

    std::string Trace(const char* text) {
        std::ofstream(tracePath) << text;
        return tracePath;
    }

    // Cumulative busy and idle ticks of the second processor; the first one stays idle.
    void WriteStat(uint64_t busy, uint64_t idle) {
        std::ofstream(statPath) << "cpu  " << busy << " 0 0 " << idle + 1000 << " 0 0 0 0 0 0\n"
                                << "cpu0 0 0 0 1000 0 0 0 0 0 0\n"
                                << "cpu1 " << busy << " 0 0 " << idle << " 0 0 0 0 0 0\n";
    }

    template <class F> F* Entry(const char* name) {
        F* entry = name[0] == 'Z' ? zuda.Entry<F>(name) : board.Entry<F>(name);
        EXPECT_NE(entry, nullptr) << name;
        return entry;
    }

    std::optional<Words> CpuId(uint32_t leaf) {
        uint8_t buffer[8] = {};
        if (!Entry<decltype(ZUDA_GetCpuID)>("ZUDA_GetCpuID")(leaf, buffer)) {
            return std::nullopt;
        }
        return Words{Word(buffer), Word(buffer + 4)};
    }

    std::optional<Words> ReadMsr(uint32_t index = 0xC0010042) {
        uint8_t buffer[8] = {};
        if (!Entry<decltype(ZUDA_ReadMSR)>("ZUDA_ReadMSR")(index, buffer)) {
            return std::nullopt;
        }
        return Words{Word(buffer), Word(buffer + 4)};
    }

    // The status at `ms` (and `us`) after the first use, which Start() was.
    std::optional<Words> StatusAt(uint64_t ms, uint64_t us = 0) {
        nowUs = kFirstUseUs + ms * 1000 + us;
        return ReadMsr();
    }

    int32_t Vcore() {
        return Entry<decltype(OCAPI_GetSingleHealthData)>("OCAPI_GetSingleHealthData")(
            kItemCoreVoltage);
    }
    uint32_t Option(uint32_t option) {
        return Entry<decltype(OCAPI_ACPI_OC_GetCurrentOption)>("OCAPI_ACPI_OC_GetCurrentOption")(
            option);
    }
    int32_t Initialization() {
        return Entry<decltype(OCAPI_Initialization)>("OCAPI_Initialization")();
    }

    static constexpr uint64_t kFirstUseUs = 5'000'000;
    uint64_t nowUs = kFirstUseUs;
    const std::string statPath = testing::TempDir() + "sim-stat-" + std::to_string(getpid());
    const std::string tracePath = testing::TempDir() + "sim-trace-" + std::to_string(getpid());
    LoadedLibrary zuda{ZUDA_SIM_LIBRARY};
    LoadedLibrary board{ZOVERCLK_SIM_LIBRARY};
};

// Low half: CurrFID | StartFID << 8 | MaxFID << 16 | MaxRampVID << 24 | pending << 31.
// High half: CurrVID | StartVID << 8 | MaxVID << 16.
constexpr uint32_t kPending = 0x80000000;

TEST_F(SimulatedLibraries, DefaultProcessorHasFidVidControlAndStartsAtItsTop) {
    ASSERT_TRUE(Start());
    std::optional<Words> power = CpuId(0x80000007);
    ASSERT_TRUE(power);
    EXPECT_EQ(power->high & 6, 6u);
    std::optional<Words> vendor = CpuId(0);
    ASSERT_TRUE(vendor);
    EXPECT_EQ(vendor->high, 0x69746E65u); // EDX of leaf 0: "enti"
    EXPECT_EQ(vendor->low, 0x68747541u >> 8);
    EXPECT_FALSE(CpuId(0x80000009));
    EXPECT_EQ(ReadMsr(), (Words{0x060C0C0C, 0x00060606}));
    EXPECT_FALSE(ReadMsr(0xC0010041));
}

TEST_F(SimulatedLibraries, BrandCodeOfEveryModelAndItsStartPoint) {
    struct Row {
        const char* model;
        uint32_t brandCode;
        Words status;
    } rows[] = {
        {"athlon64-3200", 4, {0x060C0C0C, 0x00060606}},
        {"athlon64-fx55", 36, {0x02121212, 0x00020202}},
        {"sempron-3400", 32, {0x080A0A0A, 0x00080808}},
        {"turion64-ml34", 8, {0x040A0000, 0x00041616}},
        {"mobile-athlon64-3200", 8, {0x060C0000, 0x00061818}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.model);
        zvsim::ResetSimulationForTesting();
        ASSERT_TRUE(Start({{"HUSHWAVE_SIM_MODEL", row.model}}));
        std::optional<Words> ext = CpuId(0x80000001);
        ASSERT_TRUE(ext);
        EXPECT_EQ((ext->low & 0x3F) << 2 & 0xFF, row.brandCode);
        EXPECT_EQ(ReadMsr(), row.status);
    }
}

TEST_F(SimulatedLibraries, RegistersReadOnlyWhileOpenAndPortsAndWritesAreRefused) {
    EXPECT_FALSE(ReadMsr());
    ASSERT_TRUE(Start());
    EXPECT_TRUE(ReadMsr());
    EXPECT_TRUE(Entry<decltype(ZUDA_Close)>("ZUDA_Close")());
    EXPECT_FALSE(ReadMsr());
    EXPECT_TRUE(CpuId(0)); // the instruction needs no device
    uint8_t byte = 0;
    uint32_t dword = 0;
    const uint8_t value[8] = {};
    EXPECT_FALSE(Entry<decltype(ZUDA_InPortB)>("ZUDA_InPortB")(0x80, &byte));
    EXPECT_FALSE(Entry<decltype(ZUDA_OutPortB)>("ZUDA_OutPortB")(0x80, 1));
    EXPECT_FALSE(Entry<decltype(ZUDA_InPortD)>("ZUDA_InPortD")(0xCF8, &dword));
    EXPECT_FALSE(Entry<decltype(ZUDA_OutPortD)>("ZUDA_OutPortD")(0xCF8, 1));
    EXPECT_FALSE(Entry<decltype(ZUDA_WrtieMSR)>("ZUDA_WrtieMSR")(0xC0010041, value));
}

TEST_F(SimulatedLibraries, FollowsATraceWithPendingWhileMoving) {
    ASSERT_TRUE(Start({{"HUSHWAVE_SIM_TRACE", Trace("# reproducible\n"
                                                    "0 0xC 0x06\n"
                                                    "100 0x2 0x12\n"
                                                    "250 0xA 0x08\n")}}));
    struct Row {
        uint64_t ms, us;
        Words status;
    } rows[] = {
        {0, 0, {0x060C0C0C, 0x00060606}},
        {99, 999, {0x060C0C0C, 0x00060606}},
        // Down: the frequency first (after the PLL has locked) ...
        {100, 0, {kPending | 0x060C0C0C, 0x00060606}},
        {100, 50, {kPending | 0x060C0C02, 0x00060606}},
        // ... then the voltage, one code per step, then it settles.
        {100, 150, {kPending | 0x060C0C02, 0x00060607}},
        {100, 369, {kPending | 0x060C0C02, 0x00060611}},
        {100, 370, {kPending | 0x060C0C02, 0x00060612}},
        {100, 470, {0x060C0C02, 0x00060612}},
        // Up: the voltage first, then the frequency.
        {250, 200, {kPending | 0x060C0C02, 0x00060608}},
        {250, 349, {kPending | 0x060C0C02, 0x00060608}},
        {250, 350, {kPending | 0x060C0C0A, 0x00060608}},
        {250, 430, {0x060C0C0A, 0x00060608}},
        {100000, 0, {0x060C0C0A, 0x00060608}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(StatusAt(row.ms, row.us), row.status) << row.ms << " ms " << row.us << " us";
    }
}

TEST_F(SimulatedLibraries, TraceGivesTheSameReadingHoweverOftenItIsRead) {
    ASSERT_TRUE(Start({{"HUSHWAVE_SIM_TRACE", Trace("0 0xC 6\n100 2 0x12\n250 0xA 8\n")}}));
    EXPECT_EQ(StatusAt(250, 349), (Words{kPending | 0x060C0C02, 0x00060608}));
}

TEST_F(SimulatedLibraries, BeforeTheTracesFirstPointTheProcessorIsAtItsStartPoint) {
    ASSERT_TRUE(Start(
        {{"HUSHWAVE_SIM_MODEL", "turion64-ml34"}, {"HUSHWAVE_SIM_TRACE", Trace("50 0xA 0x04\n")}}));
    EXPECT_EQ(StatusAt(49), (Words{0x040A0000, 0x00041616}));
    EXPECT_EQ(StatusAt(51), (Words{0x040A000A, 0x00041604}));
}

TEST_F(SimulatedLibraries, FollowsTheBusiestProcessorsLoadOneTableStepAtATime) {
    WriteStat(0, 0);
    ASSERT_TRUE(Start());
    WriteStat(0, 100);                                        // idle
    EXPECT_EQ(StatusAt(99), (Words{0x060C0C0C, 0x00060606})); // not sampled yet
    EXPECT_EQ(StatusAt(100), (Words{kPending | 0x060C0C0C, 0x00060606}));
    // First step, 0xC/0x06 to 0xA/0x08: the frequency first.
    EXPECT_EQ(StatusAt(100, 50), (Words{kPending | 0x060C0C0A, 0x00060606}));
    EXPECT_EQ(StatusAt(100, 170), (Words{kPending | 0x060C0C0A, 0x00060608}));
    // Second step to 0x2/0x12, still pending in between.
    EXPECT_EQ(StatusAt(100, 320), (Words{kPending | 0x060C0C02, 0x00060608}));
    EXPECT_EQ(StatusAt(105), (Words{0x060C0C02, 0x00060612}));

    WriteStat(95, 105); // the second processor 95 % busy
    EXPECT_EQ(StatusAt(199), (Words{0x060C0C02, 0x00060612}));
    EXPECT_EQ(StatusAt(200), (Words{kPending | 0x060C0C02, 0x00060612}));
    // Up, one step at a time: the voltage first each time.
    EXPECT_EQ(StatusAt(200, 200), (Words{kPending | 0x060C0C02, 0x00060608}));
    EXPECT_EQ(StatusAt(200, 350), (Words{kPending | 0x060C0C0A, 0x00060608}));
    EXPECT_EQ(StatusAt(205), (Words{0x060C0C0C, 0x00060606}));
}

TEST_F(SimulatedLibraries, BoardAnswersWithTheSimulatedProcessorsVoltage) {
    ASSERT_TRUE(Start({{"HUSHWAVE_SIM_TRACE", Trace("0 0xC 6\n100 2 0x12\n")}}));
    EXPECT_NE(Initialization(), 0);
    int32_t workable = -1;
    Entry<decltype(OCAPI_ACPI_OC_CheckWorkable)>("OCAPI_ACPI_OC_CheckWorkable")(
        kOptionFeatureEnabled, &workable);
    EXPECT_NE(workable, 0);
    Entry<decltype(OCAPI_ACPI_OC_CheckWorkable)>("OCAPI_ACPI_OC_CheckWorkable")(0x01020000,
                                                                                &workable);
    EXPECT_EQ(workable, 0);
    EXPECT_EQ(Option(kOptionFeatureEnabled), 1u);
    EXPECT_EQ(Option(kOptionExternalClockIndex), 0u);

    auto list = Entry<decltype(OCAPI_GetACPIOCList)>("OCAPI_GetACPIOCList");
    ASSERT_EQ(list(kListExternalClocks, nullptr), 7);
    std::vector<uint16_t> clocks(7);
    EXPECT_EQ(list(kListExternalClocks, clocks.data()), 7);
    EXPECT_EQ(clocks, (std::vector<uint16_t>{20000, 20050, 20100, 20200, 20500, 21000, 22000}));
    EXPECT_EQ(list(2, nullptr), 0);

    // At its top point (busy): 1.400 V asked for, a droop below it.
    StatusAt(50);
    EXPECT_EQ(Vcore(), 1375);
    // At its lowest point (idle): 1.100 V asked for, a smaller droop.
    StatusAt(101);
    EXPECT_EQ(Vcore(), 1092);
    EXPECT_EQ(Entry<decltype(OCAPI_GetSingleHealthData)>("OCAPI_GetSingleHealthData")(0x06010000),
              0);
    EXPECT_TRUE(Entry<decltype(OCAPI_Close)>("OCAPI_Close")());
}

TEST_F(SimulatedLibraries, BoardSettings) {
    ASSERT_TRUE(Start({{"HUSHWAVE_SIM_BIOS", "disabled"}, {"HUSHWAVE_SIM_FSB_INDEX", "0x9"}}));
    EXPECT_NE(Initialization(), 0);
    EXPECT_EQ(Option(kOptionFeatureEnabled), 0u);
    EXPECT_EQ(Option(kOptionExternalClockIndex), 9u);

    zvsim::ResetSimulationForTesting();
    ASSERT_TRUE(Start({{"HUSHWAVE_SIM_ACPI", "unsupported"}, {"HUSHWAVE_SIM_BIOS", "enabled"}}));
    EXPECT_EQ(Initialization(), 0);
    EXPECT_TRUE(CpuId(0x80000007)); // the processor is still there
}

TEST_F(SimulatedLibraries, ABadSettingIsOneLineOnStandardErrorAndNoProcessor) {
    struct Row {
        const char* variable;
        const char* value;
        const char* message;
    } rows[] = {
        {"HUSHWAVE_SIM_MODEL", "k8", "HUSHWAVE_SIM_MODEL=\"k8\" is not valid"},
        {"HUSHWAVE_SIM_TRACE", "", "HUSHWAVE_SIM_TRACE: "},
        {"HUSHWAVE_SIM_BIOS", "no", "HUSHWAVE_SIM_BIOS=\"no\" is not valid"},
        {"HUSHWAVE_SIM_ACPI", "none", "HUSHWAVE_SIM_ACPI=\"none\" is not valid"},
        {"HUSHWAVE_SIM_FSB_INDEX", "two", "HUSHWAVE_SIM_FSB_INDEX=\"two\" is not valid"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.variable);
        zvsim::ResetSimulationForTesting();
        for (const char* name : kVariables) {
            unsetenv(name);
        }
        const std::string value = row.value[0] ? row.value : Trace("0 12 6\n10 12\n");
        testing::internal::CaptureStderr();
        EXPECT_EQ(Start({{row.variable, value}}), 0);
        EXPECT_FALSE(CpuId(0x80000007));
        EXPECT_FALSE(ReadMsr());
        EXPECT_EQ(Initialization(), 0);
        EXPECT_EQ(Option(kOptionFeatureEnabled), 0u);
        const std::string output = testing::internal::GetCapturedStderr();
        EXPECT_EQ(output.find("hushwave simulation: "), 0u) << output;
        EXPECT_NE(output.find(row.message), std::string::npos) << output;
        EXPECT_EQ(output.find('\n'), output.size() - 1) << output; // one line, once
    }
}

TEST_F(SimulatedLibraries, AMalformedTraceNamesFileAndLine) {
    const std::string trace = Trace("0 12 6\n10 12\n");
    testing::internal::CaptureStderr();
    Start({{"HUSHWAVE_SIM_TRACE", trace}});
    CpuId(0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "hushwave simulation: HUSHWAVE_SIM_TRACE: " + trace +
                  ":2: expected \"time_ms FID VID\", found 2 words; no processor is simulated\n");
}

} // namespace
