// The hardware build of the I/O library, run by a program that may not open the msr device:
// it asks hushwave-msr beside the program (this test program), which reads the stand-ins.
#include "drivers/zuda/ZuDA.h"
#include "tests/drivers/LoadedLibrary.h"
#include "tests/msr-helper/HelperChild.h"
#include "tests/msr-helper/StandInMachine.h"

#include <gtest/gtest.h>

#include <chrono>

#include <signal.h>

namespace {

constexpr std::array<uint8_t, 8> kRegister = {0x42, 0x00, 0x01, 0xC0, 0x0C, 0x06, 0x12, 0x00};

class ZuDAThroughHelper : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.Loaded()) << dlerror();
        ASSERT_NE(readMsr, nullptr);
        machine.WriteRegister(kRegister);
        ASSERT_TRUE(HelperChildren().empty());
    }
    void TearDown() override {
        close();
        EXPECT_TRUE(HelperChildren().empty()) << "a helper outlived ZUDA_Close";
    }

    std::optional<std::array<uint8_t, 8>> Read(uint32_t index) {
        std::array<uint8_t, 8> buffer{};
        return readMsr(index, buffer.data()) != 0 ? std::optional(buffer) : std::nullopt;
    }

    StandInMachine machine;
    LoadedLibrary library{ZUDA_HW_LIBRARY};
    decltype(ZUDA_Open)* open = library.Entry<decltype(ZUDA_Open)>("ZUDA_Open");
    decltype(ZUDA_Close)* close = library.Entry<decltype(ZUDA_Close)>("ZUDA_Close");
    decltype(ZUDA_ReadMSR)* readMsr = library.Entry<decltype(ZUDA_ReadMSR)>("ZUDA_ReadMSR");
};

TEST_F(ZuDAThroughHelper, ReadsTheStatusRegisterOnlyWhileOpen) {
    EXPECT_FALSE(Read(0xC0010042));
    ASSERT_NE(open(machine.Folder().c_str()), 0);
    EXPECT_EQ(HelperChildren().size(), 1u);
    EXPECT_EQ(Read(0xC0010042), kRegister);
    EXPECT_EQ(Read(0xC0010042), kRegister);
    for (uint32_t other : {0x10u, 0xC0010041u, 0xC0010043u, 0u}) {
        EXPECT_FALSE(Read(other)) << std::hex << other;
    }
    EXPECT_NE(close(), 0);
    EXPECT_TRUE(HelperChildren().empty());
    EXPECT_FALSE(Read(0xC0010042));
}

TEST_F(ZuDAThroughHelper, AHelperThatDiesMakesEveryLaterReadFailAtOnce) {
    ASSERT_NE(open(machine.Folder().c_str()), 0);
    ASSERT_EQ(Read(0xC0010042), kRegister);
    const std::vector<pid_t> helpers = HelperChildren();
    ASSERT_EQ(helpers.size(), 1u);
    ASSERT_EQ(kill(helpers[0], SIGKILL), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Read(0xC0010042));
    EXPECT_FALSE(Read(0xC0010042));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

TEST_F(ZuDAThroughHelper, AStoppedHelperIsGivenUpAfterABoundedWait) {
    ASSERT_NE(open(machine.Folder().c_str()), 0);
    ASSERT_EQ(Read(0xC0010042), kRegister);
    const std::vector<pid_t> helpers = HelperChildren();
    ASSERT_EQ(helpers.size(), 1u);
    ASSERT_EQ(kill(helpers[0], SIGSTOP), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Read(0xC0010042));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    EXPECT_FALSE(Read(0xC0010042));
}

} // namespace
