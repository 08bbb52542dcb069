#include "hardware/FidVidStatus.h"
#include "tests/hardware/HardwareTest.h"

#include <cstdio>
#include <cstdlib>

namespace {

class FidVidStatus : public HardwareTest {
protected:
    void SetUp() override {
        HardwareTest::SetUp();
        ReadCount = 1;
        RegisterFakeZuDA();
        ASSERT_TRUE(LoadIODLL(""));
        bDebugLog = true;
    }

    FIDVIDCodes FID{-1, -1, -1};
    FIDVIDCodes VID{-1, -1, -1};
};

void ExpectCodes(const FIDVIDCodes& codes, int32_t max, int32_t start, int32_t curr) {
    EXPECT_EQ(codes.Max, max);
    EXPECT_EQ(codes.Start, start);
    EXPECT_EQ(codes.Curr, curr);
}

TEST_F(FidVidStatus, DecodesBothHalvesAndLogsEveryLine) {
    SetFakeMsr(0x120E0A08, 0x00E2EAF2);
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    ExpectCodes(FID, 14, 10, 8);
    ExpectCodes(VID, 2, 10, 18);
    EXPECT_EQ(FakeIo().readIndexes, (std::vector<DWORD>{0xC0010042}));
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "FID: 0x120e0a08",
                              "1: FID.Max: 14, FID.Start: 10, FID.Curr: 8",
                              "VID: 0xe2eaf2",
                              "1: VID -> Max: 2, Start: 10, Curr: 18",
                              "1: VID -> Max: 1.475, Start: 1.275, Curr: 1.075",
                          }));
    EXPECT_EQ(ReadCount, 2);
}

TEST_F(FidVidStatus, BitsOutsideTheFieldsAreIgnored) {
    SetFakeMsr(0xFFC0C0C0, 0xFFE0E0E0);
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    ExpectCodes(FID, 0, 0, 0);
    ExpectCodes(VID, 0, 0, 0);
    SetFakeMsr(0x003F3F3F, 0x001F1F1F);
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    ExpectCodes(FID, 63, 63, 63);
    ExpectCodes(VID, 31, 31, 31);
    EXPECT_EQ(LogLines().back(), "2: VID -> Max: 0.750, Start: 0.750, Curr: 0.750");
}

TEST_F(FidVidStatus, AnFxProcessorTakesItsStartFidAsMaximumOnEveryReading) {
    BrandCode = 36;
    SetFakeMsr(0x000E0A08, 0x00000000);
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    ExpectCodes(FID, 10, 10, 8);
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "AMD FX processor..");
    EXPECT_EQ(lines[2], "1: FID.Max: 10, FID.Start: 10, FID.Curr: 8");
    EXPECT_EQ(lines[6], "AMD FX processor..");
    EXPECT_EQ(lines[8], "2: FID.Max: 10, FID.Start: 10, FID.Curr: 8");
    EXPECT_EQ(lines[11], "2: VID -> Max: 1.525, Start: 1.525, Curr: 1.525");

    SetFakeMsr(0x000E0008, 0);
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    ExpectCodes(FID, 14, 0, 8);

    BrandCode = 32;
    SetFakeMsr(0x000E0A08, 0);
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    ExpectCodes(FID, 14, 10, 8);
    EXPECT_NE(LogLines()[18], "AMD FX processor..");
}

TEST_F(FidVidStatus, AFailedReadingTouchesNothingAndDoesNotCount) {
    FakeIo().msrReadable = false;
    EXPECT_FALSE(Get_FIDVID(FID, VID));
    ExpectCodes(FID, -1, -1, -1);
    ExpectCodes(VID, -1, -1, -1);
    EXPECT_EQ(ReadCount, 1);
    EXPECT_FALSE(LogExists());

    FakeIo().msrReadable = true;
    SetFakeMsr(0x000C0C0C, 0x00060606);
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    EXPECT_EQ(LogLines()[1], "1: FID.Max: 12, FID.Start: 12, FID.Curr: 12");
}

TEST_F(FidVidStatus, WithTheLogOffNoFileIsWritten) {
    bDebugLog = false;
    SetFakeMsr(0x000C0C0C, 0x00060606);
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    ExpectCodes(VID, 6, 6, 6);
    EXPECT_EQ(ReadCount, 2);
    EXPECT_FALSE(LogExists());
}

TEST(VIDVolts, EveryEntryIsTheFloatNearestItsVoltage) {
    FillVIDVolts();
    for (int vid = 0; vid < 32; ++vid) {
        char exact[16];
        std::snprintf(exact, sizeof exact, "%d.%03d", (1525 - 25 * vid) / 1000,
                      (1525 - 25 * vid) % 1000);
        EXPECT_EQ(VIDVolts[vid], std::strtof(exact, nullptr)) << "VID " << vid << " " << exact;
    }
    EXPECT_EQ(VIDVolts[0], 1.525f);
    EXPECT_EQ(VIDVolts[1], 1.5f);
    EXPECT_EQ(VIDVolts[21], 1.0f);
    EXPECT_EQ(VIDVolts[30], 0.775f);
    EXPECT_EQ(VIDVolts[31], 0.75f);
}

} // namespace
