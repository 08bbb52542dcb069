#include "tests/hardware/HardwareTest.h"

namespace {

class Capability : public HardwareTest {
protected:
    void SetUp() override {
        HardwareTest::SetUp();
        RegisterFakeZuDA();
        ASSERT_TRUE(LoadIODLL(""));
    }
};

TEST_F(Capability, PrepareNeedsBothFidAndVidControl) {
    struct Row {
        DWORD word1;
        bool supported;
    } rows[] = {
        {0x0, false}, {0x2, false},       {0x4, false},        {0x6, true},
        {0xF, true},  {0xFFFFFFFF, true}, {0xFFFFFFF9, false}, {0x3F, true},
    };
    for (const Row& row : rows) {
        SetFakeCpuId(0x80000007, 0xFFFFFFFF, row.word1);
        EXPECT_EQ(Prepare(), row.supported) << std::hex << row.word1;
    }
    FakeIo().cpuid.clear();
    SetFakeCpuId(0x80000001, 0, 6); // the capability lives in 0x80000007 only
    EXPECT_FALSE(Prepare());
}

TEST_F(Capability, BrandCodeIsTheLowSixBitsOfWordZeroTimesFour) {
    struct Row {
        DWORD word0;
        int32_t brandCode;
    } rows[] = {
        {0x09, 36}, {0x49, 36},        {0x3F, 252}, {0x00, 0},
        {0x40, 0},  {0x12345678, 224}, {0x0F, 60},  {0xFFFFFFC9, 36},
    };
    for (const Row& row : rows) {
        SetFakeCpuId(0x80000001, row.word0, 0);
        EXPECT_EQ(GetBrandCode(), row.brandCode) << std::hex << row.word0;
    }
    FakeIo().cpuid.clear();
    EXPECT_EQ(GetBrandCode(), 0);
}

} // namespace
