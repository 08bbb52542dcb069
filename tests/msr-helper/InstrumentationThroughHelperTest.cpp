// The instrumentation's external clock in a process that may not read the firmware's table:
// hushwave-msr beside the executable answers it.
#include "hardware/Wmi.h"
#include "platform/com/WmiTesting.h"
#include "platform/kernel/Process.h"
#include "tests/msr-helper/HelperChild.h"
#include "tests/msr-helper/StandInMachine.h"

#include <gtest/gtest.h>

namespace {

class InstrumentationThroughHelper : public testing::Test {
protected:
    void SetUp() override {
        SetDmiTablePathForTesting(machine.Folder() + "/unreadable");
        SetHelperStandInsForTesting(machine.MsrFile(), machine.DmiFile());
        SetExeNameForTesting(std::string(HELPER_FOLDER) + "/hushwave");
    }
    void TearDown() override {
        SetDmiTablePathForTesting("");
        SetHelperStandInsForTesting("", "");
        SetExeNameForTesting("");
    }

    static int32_t ExtClock() {
        int32_t value = 0;
        WmiGetExtClock(value);
        return value;
    }

    void WriteClocks(std::initializer_list<uint16_t> clocks) {
        DmiTableBuilder table;
        for (uint16_t clock : clocks) {
            table.Processor(clock);
        }
        machine.WriteTable(table.EndOfTable());
    }

    StandInMachine machine;
};

TEST_F(InstrumentationThroughHelper, TakesTheHelpersClockOnceAndKeepsIt) {
    WriteClocks({200, 166, 0});
    EXPECT_EQ(ExtClock(), 166);
    EXPECT_TRUE(HelperChildren().empty());
    WriteClocks({133});
    EXPECT_EQ(ExtClock(), 166); // the firmware's table does not change while the machine runs
}

TEST_F(InstrumentationThroughHelper, NothingWhenTheHelperHasNoClockOrIsMissing) {
    WriteClocks({0});
    EXPECT_EQ(ExtClock(), 0);
    WriteClocks({200});
    SetExeNameForTesting(machine.Folder() + "/hushwave"); // no helper in that folder
    EXPECT_EQ(ExtClock(), 0);
}

} // namespace
