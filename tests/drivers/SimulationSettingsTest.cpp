#include "drivers/simulation/SimulationSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

using zvsim::ReadSimulationSettings;

namespace {

using Environment = std::map<std::string, std::string>;

zvsim::SettingsReading Read(const Environment& environment) {
    return ReadSimulationSettings([&](const char* name) -> const char* {
        auto it = environment.find(name);
        return it == environment.end() ? nullptr : it->second.c_str();
    });
}

} // namespace

TEST(SimulationSettings, DefaultsWhenNothingOrEmptyValuesAreSet) {
    for (const Environment& environment :
         {Environment{}, Environment{{"HUSHWAVE_SIM_MODEL", ""}, {"HUSHWAVE_SIM_BIOS", ""}}}) {
        zvsim::SettingsReading reading = Read(environment);
        ASSERT_TRUE(reading.Valid()) << reading.error;
        EXPECT_EQ(reading.settings.model->name, "athlon64-3200");
        EXPECT_FALSE(reading.settings.trace);
        EXPECT_TRUE(reading.settings.biosEnabled);
        EXPECT_TRUE(reading.settings.acpiSupported);
        EXPECT_EQ(reading.settings.fsbIndex, 0u);
    }
}

TEST(SimulationSettings, EveryVariableTakesItsValues) {
    const std::string trace = testing::TempDir() + "settings-" + std::to_string(getpid());
    std::ofstream(trace) << "0 4 0x12\n";
    zvsim::SettingsReading reading = Read({{"HUSHWAVE_SIM_MODEL", "athlon64-fx55"},
                                           {"HUSHWAVE_SIM_TRACE", trace},
                                           {"HUSHWAVE_SIM_BIOS", "disabled"},
                                           {"HUSHWAVE_SIM_ACPI", "unsupported"},
                                           {"HUSHWAVE_SIM_FSB_INDEX", "0xFFFFFFFF"}});
    std::filesystem::remove(trace);
    ASSERT_TRUE(reading.Valid()) << reading.error;
    EXPECT_EQ(reading.settings.model->name, "athlon64-fx55");
    ASSERT_TRUE(reading.settings.trace);
    EXPECT_EQ(reading.settings.trace->points.size(), 1u);
    EXPECT_FALSE(reading.settings.biosEnabled);
    EXPECT_FALSE(reading.settings.acpiSupported);
    EXPECT_EQ(reading.settings.fsbIndex, 0xFFFFFFFFu);

    reading = Read({{"HUSHWAVE_SIM_BIOS", "enabled"},
                    {"HUSHWAVE_SIM_ACPI", "supported"},
                    {"HUSHWAVE_SIM_FSB_INDEX", "6"}});
    ASSERT_TRUE(reading.Valid()) << reading.error;
    EXPECT_TRUE(reading.settings.biosEnabled);
    EXPECT_TRUE(reading.settings.acpiSupported);
    EXPECT_EQ(reading.settings.fsbIndex, 6u);
}

TEST(SimulationSettings, ABadValueIsOneLineNamingTheVariable) {
    struct Row {
        Environment environment;
        std::string error;
    } rows[] = {
        {{{"HUSHWAVE_SIM_MODEL", "athlon64"}},
         "HUSHWAVE_SIM_MODEL=\"athlon64\" is not valid: expected one of athlon64-3200, "
         "athlon64-fx55, sempron-3400, turion64-ml34, mobile-athlon64-3200"},
        {{{"HUSHWAVE_SIM_BIOS", "off"}},
         "HUSHWAVE_SIM_BIOS=\"off\" is not valid: expected enabled or disabled"},
        {{{"HUSHWAVE_SIM_ACPI", "Unsupported"}},
         "HUSHWAVE_SIM_ACPI=\"Unsupported\" is not valid: expected supported or unsupported"},
        {{{"HUSHWAVE_SIM_FSB_INDEX", "-1"}},
         "HUSHWAVE_SIM_FSB_INDEX=\"-1\" is not valid: expected a number from 0 to 4294967295, "
         "decimal or 0x hexadecimal"},
        {{{"HUSHWAVE_SIM_FSB_INDEX", "4294967296"}},
         "HUSHWAVE_SIM_FSB_INDEX=\"4294967296\" is not valid: expected a number from 0 to "
         "4294967295, decimal or 0x hexadecimal"},
        {{{"HUSHWAVE_SIM_TRACE", "/nonexistent/x.trace"}},
         "HUSHWAVE_SIM_TRACE: /nonexistent/x.trace: cannot be opened"},
    };
    for (const Row& row : rows) {
        zvsim::SettingsReading reading = Read(row.environment);
        EXPECT_FALSE(reading.Valid());
        EXPECT_EQ(reading.error, row.error);
        EXPECT_EQ(reading.error.find('\n'), std::string::npos);
    }
}
