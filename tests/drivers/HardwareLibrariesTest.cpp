// The hardware builds of the two libraries, opened from the build tree and run on this machine.
#include "drivers/zoverclk/LinuxBoard.h"
#include "drivers/zoverclk/ZOverclk.h"
#include "drivers/zuda/ZuDA.h"
#include "tests/drivers/LoadedLibrary.h"

#include <gtest/gtest.h>

#include <cpuid.h>
#include <unistd.h>

namespace {

uint32_t Word(const uint8_t* b) {
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

class HardwareZuDA : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library.Loaded()) << dlerror(); }
    void TearDown() override { library.Entry<decltype(ZUDA_Close)>("ZUDA_Close")(); }

    LoadedLibrary library{ZUDA_HW_LIBRARY};
    decltype(ZUDA_GetCpuID)* getCpuId = library.Entry<decltype(ZUDA_GetCpuID)>("ZUDA_GetCpuID");
    decltype(ZUDA_ReadMSR)* readMsr = library.Entry<decltype(ZUDA_ReadMSR)>("ZUDA_ReadMSR");
};

TEST_F(HardwareZuDA, CpuIdGivesEbxShiftedAndEdxAndFailsPastTheHighestLeaf) {
    ASSERT_NE(getCpuId, nullptr);
    for (uint32_t leaf : {0u, 1u, 0x80000000u, 0x80000001u, 0x80000007u}) {
        unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
        uint8_t buffer[8] = {};
        const bool exists = __get_cpuid(leaf, &eax, &ebx, &ecx, &edx);
        EXPECT_EQ(getCpuId(leaf, buffer) != 0, exists) << std::hex << leaf;
        if (exists && leaf != 1) { // leaf 1 EBX carries the APIC ID of whichever core runs
            EXPECT_EQ(Word(buffer), ebx >> 8) << std::hex << leaf;
            EXPECT_EQ(Word(buffer + 4), edx) << std::hex << leaf;
        }
    }
    const unsigned int highest = __get_cpuid_max(0x80000000, nullptr);
    uint8_t buffer[8] = {};
    EXPECT_EQ(getCpuId(highest + 1, buffer), 0);
}

TEST_F(HardwareZuDA, OnlyTheStatusRegisterIsReadAndOnlyWhileOpen) {
    ASSERT_NE(readMsr, nullptr);
    uint8_t buffer[8] = {};
    EXPECT_EQ(readMsr(0xC0010042, buffer), 0); // not open yet
    // No helper stands beside this test program: the library opens only when it may open the
    // msr device itself.
    const bool device = access("/dev/cpu/0/msr", R_OK) == 0;
    EXPECT_EQ(library.Entry<decltype(ZUDA_Open)>("ZUDA_Open")("") != 0, device);
    // The time-stamp counter exists on every x86 processor, and is not read.
    EXPECT_EQ(readMsr(0x10, buffer), 0);
}

TEST_F(HardwareZuDA, PortsAndMsrWritesAreRefused) {
    uint8_t byte = 0;
    uint32_t dword = 0;
    const uint8_t value[8] = {};
    EXPECT_EQ(library.Entry<decltype(ZUDA_InPortB)>("ZUDA_InPortB")(0x80, &byte), 0);
    EXPECT_EQ(library.Entry<decltype(ZUDA_OutPortB)>("ZUDA_OutPortB")(0x80, 0), 0);
    EXPECT_EQ(library.Entry<decltype(ZUDA_InPortD)>("ZUDA_InPortD")(0xCF8, &dword), 0);
    EXPECT_EQ(library.Entry<decltype(ZUDA_OutPortD)>("ZUDA_OutPortD")(0xCF8, 0), 0);
    EXPECT_EQ(library.Entry<decltype(ZUDA_WrtieMSR)>("ZUDA_WrtieMSR")(0x10, value), 0);
}

TEST(HardwareZOverclk, AnswersWhatThisMachinesSysfsShows) {
    LoadedLibrary library(ZOVERCLK_HW_LIBRARY);
    ASSERT_TRUE(library.Loaded()) << dlerror();
    const LinuxBoard machine("/");
    EXPECT_EQ(library.Entry<decltype(OCAPI_Initialization)>("OCAPI_Initialization")() != 0,
              machine.HasCpufreq() || machine.VcoreInput().has_value());
    int32_t workable = -1;
    library.Entry<decltype(OCAPI_ACPI_OC_CheckWorkable)>("OCAPI_ACPI_OC_CheckWorkable")(
        kOptionFeatureEnabled, &workable);
    EXPECT_EQ(workable != 0, machine.HasCpufreq());
    auto option =
        library.Entry<decltype(OCAPI_ACPI_OC_GetCurrentOption)>("OCAPI_ACPI_OC_GetCurrentOption");
    EXPECT_EQ(option(kOptionFeatureEnabled) != 0, machine.HasCpufreq());
    EXPECT_EQ(option(kOptionExternalClockIndex), 0u);
    auto list = library.Entry<decltype(OCAPI_GetACPIOCList)>("OCAPI_GetACPIOCList");
    const std::vector<uint16_t> expected = machine.ExternalClockList();
    ASSERT_EQ(list(kListExternalClocks, nullptr), static_cast<int32_t>(expected.size()));
    std::vector<uint16_t> clocks(expected.size());
    list(kListExternalClocks, clocks.data());
    EXPECT_EQ(clocks, expected);
    EXPECT_EQ(library.Entry<decltype(OCAPI_GetSingleHealthData)>("OCAPI_GetSingleHealthData")(
                  kItemCoreVoltage),
              machine.VcoreMillivolts());
    EXPECT_NE(library.Entry<decltype(OCAPI_Close)>("OCAPI_Close")(), 0);
}

} // namespace
