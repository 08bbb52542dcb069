#include "platform/kernel/Clock.h"
#include "platform/kernel/KernelObjects.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Mutex.h"
#include "platform/kernel/Paths.h"
#include "platform/kernel/Sleep.h"
#include "platform/kernel/Version.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace {

class RuntimeFolder : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("hushwave-kernel-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }
    std::filesystem::path m_folder;
};

TEST_F(RuntimeFolder, SecondMutexOfTheSameNameAlreadyExistsUntilTheFirstCloses) {
    HANDLE first = CreateMutexA(nullptr, TRUE, "Test#Mutex/1");
    ASSERT_TRUE(first);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    HANDLE second = CreateMutexA(nullptr, TRUE, "Test#Mutex/1");
    ASSERT_TRUE(second);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(CloseHandle(second));
    EXPECT_TRUE(CloseHandle(first));
    HANDLE third = CreateMutexA(nullptr, TRUE, "Test#Mutex/1");
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    CloseHandle(third);
    EXPECT_TRUE(std::filesystem::exists(m_folder / "Test#Mutex_1.lock"));
}

TEST(KernelObjects, ClosingTwiceReportsAnInvalidHandle) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, nullptr);
    EXPECT_TRUE(CloseHandle(mutex));
    EXPECT_FALSE(CloseHandle(mutex));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
}

TEST(Version, ReportsNtUnlessTestsSelectNineX) {
    OSVERSIONINFOA info{};
    EXPECT_FALSE(GetVersionExA(&info)) << "the size field must be filled in";
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
    SetPlatformIdForTesting(VER_PLATFORM_WIN32_WINDOWS);
    GetVersionExA(&info);
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_WINDOWS);
    SetPlatformIdForTesting(0);
}

TEST(Clock, VirtualClockMovesOnlyWhenSleptOn) {
    VirtualClock clock;
    SetClock(&clock);
    DWORD start = GetTickCount();
    Sleep(250);
    EXPECT_EQ(GetTickCount() - start, 250u);
    std::tm local = clock.LocalTime();
    EXPECT_EQ(local.tm_min, 41);
    clock.Advance(60'000);
    EXPECT_EQ(clock.LocalTime().tm_min, 42);
    SetClock(nullptr);
}

TEST(Paths, BackslashesBecomeSlashesAndDoubledSeparatorsOne) {
    EXPECT_EQ(ToNativePath("\\opt\\hw\\\\RES\\bar_07.bmp"), "/opt/hw/RES/bar_07.bmp");
    EXPECT_EQ(ToNativePath("/opt/hw//ZOverclk.dll"), "/opt/hw/ZOverclk.dll");
}

} // namespace
