#include "drivers/zoverclk/LinuxBoard.h"
#include "tests/dmi/DmiTableBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class LinuxBoardTree : public testing::Test {
protected:
    void TearDown() override { fs::remove_all(root); }

    void Write(const fs::path& relative, const std::string& text) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative, std::ios::binary) << text;
    }
    void WriteDmi(const DmiTableBuilder& table) {
        Write("sys/firmware/dmi/tables/DMI", std::string(table.bytes.begin(), table.bytes.end()));
    }

    const fs::path root = fs::path(testing::TempDir()) / ("board-" + std::to_string(getpid()));
    LinuxBoard board{root};
};

TEST_F(LinuxBoardTree, AnEmptyMachineHasNothing) {
    EXPECT_FALSE(board.HasCpufreq());
    EXPECT_FALSE(board.VcoreInput());
    EXPECT_EQ(board.VcoreMillivolts(), 0);
    EXPECT_TRUE(board.ExternalClockList().empty());
}

TEST_F(LinuxBoardTree, CpufreqOfTheFirstProcessor) {
    Write("sys/devices/system/cpu/cpu1/cpufreq/scaling_governor", "ondemand\n");
    EXPECT_FALSE(board.HasCpufreq());
    Write("sys/devices/system/cpu/cpu0/cpufreq/scaling_governor", "ondemand\n");
    EXPECT_TRUE(board.HasCpufreq());
}

TEST_F(LinuxBoardTree, VcoreFromTheMonitorInputSoLabelled) {
    Write("sys/class/hwmon/hwmon0/name", "coretemp\n");
    Write("sys/class/hwmon/hwmon0/temp1_label", "Vcore\n");
    Write("sys/class/hwmon/hwmon1/in0_label", "+12V\n");
    Write("sys/class/hwmon/hwmon1/in0_input", "12096\n");
    Write("sys/class/hwmon/hwmon1/device/in1_label", " VCORE \n");
    Write("sys/class/hwmon/hwmon1/device/in1_input", "1352\n");
    ASSERT_TRUE(board.VcoreInput());
    EXPECT_EQ(board.VcoreInput()->filename(), "in1_input");
    EXPECT_EQ(board.VcoreMillivolts(), 1352);

    Write("sys/class/hwmon/hwmon1/device/in1_input", "garbage\n");
    EXPECT_EQ(board.VcoreMillivolts(), 0);
}

TEST_F(LinuxBoardTree, ExternalClockListFromTheLastProcessorReportingOne) {
    struct Row {
        std::vector<uint16_t> processors;
        std::vector<uint16_t> list;
    } rows[] = {
        {{200}, {20000}}, {{200, 166, 0}, {16600}}, {{0}, {}}, {{655}, {65500}},
        {{656}, {}}, // past what a list entry can hold
        {{}, {}},
    };
    for (const Row& row : rows) {
        DmiTableBuilder table;
        for (uint16_t clock : row.processors) {
            table.Processor(clock);
        }
        WriteDmi(table.EndOfTable());
        EXPECT_EQ(board.ExternalClockList(), row.list);
    }
    DmiTableBuilder broken;
    broken.Processor(200, 0x10);
    WriteDmi(broken);
    EXPECT_TRUE(board.ExternalClockList().empty());
}

} // namespace
