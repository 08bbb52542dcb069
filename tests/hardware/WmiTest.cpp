#include "hardware/Wmi.h"
#include "platform/com/Com.h"
#include "platform/com/WmiTesting.h"
#include "tests/dmi/DmiTableBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

class Wmi : public testing::Test {
protected:
    void SetUp() override { SetDmiTablePathForTesting(tablePath); }
    void TearDown() override {
        SetDmiTablePathForTesting("");
        std::filesystem::remove(tablePath);
    }

    void WriteTable(const std::vector<uint16_t>& processors) {
        DmiTableBuilder table;
        table.Structure(0, 0x18, {"BIOS"});
        for (uint16_t clock : processors) {
            table.Processor(clock);
        }
        table.EndOfTable();
        std::ofstream(tablePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(table.bytes.data()), table.bytes.size());
    }

    // What a query leaves in a value preset to `preset`, checking that it released every
    // object and left the thread's COM as it found it.
    int32_t Query(int32_t preset, const char16_t* className = u"Win32_Processor",
                  const char16_t* property = u"ExtClock") {
        int32_t value = preset;
        WmiQueryInt(className, property, value);
        EXPECT_EQ(LiveComObjectCount(), 0);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        CoUninitialize();
        return value;
    }

    const std::string tablePath = testing::TempDir() + "wmi-dmi-" + std::to_string(getpid());
};

TEST_F(Wmi, TheLastProcessorWithAValueWins) {
    WriteTable({200, 166});
    int32_t clock = 0;
    WmiGetExtClock(clock);
    EXPECT_EQ(clock, 166);
    EXPECT_EQ(Query(0), 166);
    WriteTable({200, 0});
    EXPECT_EQ(Query(0), 200) << "an unknown clock has no value";
    WriteTable({133});
    EXPECT_EQ(Query(0), 133);
}

TEST_F(Wmi, NothingIsStoredWithoutInstancesOrValues) {
    WriteTable({});
    EXPECT_EQ(Query(77), 77);
    WriteTable({0});
    EXPECT_EQ(Query(0), 0);
}

TEST_F(Wmi, AFailingStepLeavesThePresetValue) {
    EXPECT_EQ(Query(0), 0) << "no table to read";
    WriteTable({200});
    EXPECT_EQ(Query(0, u"Win32_BIOS"), 0);
    EXPECT_EQ(Query(0, u"Win32_Processor", u"MaxClockSpeed"), 0);

    // COM already set up on this thread in another apartment, or with its security.
    int32_t value = 0;
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    WmiGetExtClock(value);
    EXPECT_EQ(value, 0);
    CoUninitialize();
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    ASSERT_EQ(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                   RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr),
              S_OK);
    WmiGetExtClock(value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(LiveComObjectCount(), 0);
    CoUninitialize();
    EXPECT_EQ(Query(0), 200) << "each query sets COM up anew";
}

} // namespace
