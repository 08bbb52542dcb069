// Four-state appearances: loading pictures from a folder (all read before any state changes),
// the order of the states written, and assignment between appearances.

#include "FakeSkinnedControl.h"
#include "Pictures.h"
#include "platform/core/Exception.h"
#include "platform/window/MessageLoop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class ZvAppearance : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::path(::testing::TempDir()) /
                 ("zv-appearance-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        WriteBmp(folder / "raised.bmp", 6, 4, 0x00FF0000);
        WriteBmp(folder / "sunken.bmp", 6, 4, 0x0000FF00);
        WriteBmp(folder / "focused.bmp", 6, 4, 0x000000FF);
        WriteBmp(folder / "disabled.bmp", 6, 4, 0x00808080);
        std::ofstream(folder / "text.bmp") << "no picture";
        // States 0 to 3 start with pictures of their own, 1 x 1 to 4 x 4.
        for (int i = 0; i < 4; ++i) {
            control.SetStateBitmap(SolidBitmap(i + 1, i + 1, 0x00111111).get(), i);
        }
        control.log.clear();
    }
    void TearDown() override {
        fs::remove_all(folder);
        MessageLoop::Instance().Reset();
    }

    // The width of each of the first four states.
    std::vector<int> Widths() {
        std::vector<int> widths;
        for (int i = 0; i < 4; ++i) {
            widths.push_back(control.GetStateBitmap(i)->Width());
        }
        return widths;
    }

    fs::path folder;
    FakeSkinned control{nullptr};
};

TEST_F(ZvAppearance, LoadsTheRaisedPictureWithOrWithoutATrailingSeparator) {
    const std::string base = folder.string();
    for (const std::string& directory : {base, base + "\\", base + "/"}) {
        SCOPED_TRACE(directory);
        control.SetStateBitmap(nullptr, 0);
        control.log.clear();
        EXPECT_TRUE(control.Appearance()->LoadFromFiles(directory, "raised.bmp", "", "", ""));
        EXPECT_EQ(control.log, (Lines{"set 0", "changed 0"}));
        EXPECT_EQ(Widths(), (std::vector<int>{6, 2, 3, 4})) << "the unnamed states are kept";
        EXPECT_EQ(TopLeft(*control.GetStateBitmap(0)), 0x00FF0000u);
    }
}

TEST_F(ZvAppearance, ADirectoryEndingInAColonGetsNoSeparator) {
    WriteBmp(folder / "drive:raised.bmp", 5, 5, 0x00FF0000);
    EXPECT_TRUE(control.Appearance()->LoadFromFiles((folder / "drive:").string(), "raised.bmp", "",
                                                    "", ""));
    EXPECT_EQ(Widths(), (std::vector<int>{5, 2, 3, 4}));
}

TEST_F(ZvAppearance, AllFourPicturesGoToTheirStatesRaisedFirst) {
    ZvFourStateAppearance upper(&control, 4);
    EXPECT_TRUE(upper.LoadFromFiles(folder.string(), "raised.bmp", "sunken.bmp", "focused.bmp",
                                    "disabled.bmp"));
    EXPECT_EQ(control.log, (Lines{"set 4", "changed 4", "set 5", "changed 5", "set 6", "changed 6",
                                  "set 7", "changed 7"}));
    EXPECT_EQ(TopLeft(*upper.GetRaisedBmp()), 0x00FF0000u);
    EXPECT_EQ(TopLeft(*upper.GetSunkenBmp()), 0x0000FF00u);
    EXPECT_EQ(TopLeft(*upper.GetFocusedBmp()), 0x000000FFu);
    EXPECT_EQ(TopLeft(*upper.GetDisabledBmp()), 0x00808080u);
    EXPECT_EQ(Widths(), (std::vector<int>{1, 2, 3, 4})) << "states 0 to 3 are not this set's";
}

TEST_F(ZvAppearance, AFileThatCannotBeReadLeavesEveryStateAsItWas) {
    ZvFourStateAppearance* appearance = control.Appearance();
    EXPECT_THROW(
        appearance->LoadFromFiles(folder.string(), "raised.bmp", "missing.bmp", "focused.bmp", ""),
        EFOpenError);
    EXPECT_THROW(
        appearance->LoadFromFiles(folder.string(), "raised.bmp", "sunken.bmp", "text.bmp", ""),
        EInvalidGraphic);
    EXPECT_TRUE(control.log.empty());
    EXPECT_EQ(Widths(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(ZvAppearance, AnEmptyDirectoryFailsBeforeAnyFileIsRead) {
    EXPECT_THROW(control.Appearance()->LoadFromFiles("", "raised.bmp", "", "", ""),
                 std::out_of_range);
    EXPECT_TRUE(control.log.empty());
}

TEST_F(ZvAppearance, AssigningCopiesThePicturesIntoTheOtherControlsStates) {
    FakeSkinned second(nullptr);
    ZvFourStateAppearance* source = control.Appearance();
    second.Appearance()->Assign(source);
    EXPECT_EQ(second.log, (Lines{"set 0", "changed 0", "set 1", "changed 1", "set 2", "changed 2",
                                 "set 3", "changed 3"}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(second.GetStateBitmap(i)->Width(), i + 1);
        EXPECT_NE(second.GetStateBitmap(i), control.GetStateBitmap(i)) << "a copy, not shared";
    }
    EXPECT_TRUE(control.log.empty());
}

TEST_F(ZvAppearance, AnotherClassOfDestinationIsRefused) {
    ZvThreeStateFontColor colors;
    try {
        colors.Assign(control.Appearance());
        FAIL() << "assigned an appearance to a font colour set";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(),
                  "Cannot assign a ZvFourStateAppearance to a ZvThreeStateFontColor");
    }
    EXPECT_THROW(control.Appearance()->Assign(&colors), EConvertError);
    EXPECT_TRUE(control.log.empty());
}

} // namespace
