// Access layer and status reading through the simulated processor library, loaded the way the
// program loads it: by its bare name, from beside the executable.
#include "hardware/FidVidStatus.h"
#include "tests/hardware/HardwareTest.h"

namespace {

using SimulatedProcessor = HardwareTest;

TEST_F(SimulatedProcessor, ReadsTheDefaultModelAtItsStartPoint) {
    SetExeNameForTesting(std::string(SIMULATED_DRIVERS_DIR) + "/hushwave");
    ASSERT_TRUE(LoadIODLL(""));
    EXPECT_TRUE(TakeRecordedMessageBoxes().empty());
    EXPECT_TRUE(Prepare());
    EXPECT_EQ(GetBrandCode(), 4);
    FIDVIDCodes FID, VID;
    ASSERT_TRUE(Get_FIDVID(FID, VID));
    EXPECT_EQ(FID.Max, 0xC);
    EXPECT_EQ(FID.Start, 0xC);
    EXPECT_EQ(VID.Max, 0x06);
    EXPECT_EQ(VID.Start, 0x06);
    CloseIoAccess();
    EXPECT_FALSE(Get_FIDVID(FID, VID)) << "the simulated device is closed";
}

} // namespace
