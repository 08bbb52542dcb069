#include "app/Log.h"
#include "platform/kernel/Clock.h"
#include "platform/kernel/Process.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder =
            std::filesystem::temp_directory_path() / ("hushwave-log-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_folder);
        SetExeNameForTesting((m_folder / "hushwave").string());
        std::tm local = VirtualClock::DefaultStart(); // 2026-01-02 09:41:07
        m_clock.SetLocalTime(local);
        SetClock(&m_clock);
    }
    void TearDown() override {
        bDebugLog = false;
        SetClock(nullptr);
        SetExeNameForTesting("");
        std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(m_folder);
    }
    std::string Contents() {
        std::ifstream in(m_folder / "hushwave.log");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path m_folder;
    VirtualClock m_clock;
};

TEST_F(LogTest, WritesNothingAndCreatesNoFileWhileOff) {
    bDebugLog = false;
    WriteLog("TTfrmMain constructor.");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "hushwave.log"));
}

TEST_F(LogTest, LineHasMinutesBeforeHoursAndEmptyTextStillWritesALine) {
    bDebugLog = true;
    WriteLog("TTfrmMain constructor.");
    m_clock.Advance(61'000);
    WriteLog("");
    EXPECT_EQ(Contents(), "2026-01-02 41:09:07 - TTfrmMain constructor.\n"
                          "2026-01-02 42:09:08 - \n");
}

TEST_F(LogTest, LaterRunsAppendToTheSameFile) {
    bDebugLog = true;
    WriteLog("first run");
    bDebugLog = false;
    bDebugLog = true;
    WriteLog("second run");
    std::string text = Contents();
    EXPECT_NE(text.find("first run\n"), std::string::npos);
    EXPECT_NE(text.find("second run\n"), std::string::npos);
    EXPECT_LT(text.find("first run"), text.find("second run"));
}

TEST_F(LogTest, LogOfAnEarlierRunIsKept) {
    const std::string earlier = "2025-12-31 59:23:59 - TTfrmMain constructor complete.\n";
    std::ofstream(m_folder / "hushwave.log") << earlier;
    bDebugLog = true;
    WriteLog("TTfrmMain constructor.");
    EXPECT_EQ(Contents(), earlier + "2026-01-02 41:09:07 - TTfrmMain constructor.\n");
}

TEST_F(LogTest, UnwritableFolderDropsLinesSilently) {
    // A path through a file cannot be opened by anybody, root included; a folder that is only
    // read-only sends the log to the user's state folder instead.
    SetExeNameForTesting((m_folder / "plain-file" / "hushwave").string());
    std::ofstream(m_folder / "plain-file") << "x";
    bDebugLog = true;
    EXPECT_NO_FATAL_FAILURE(WriteLog("dropped"));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "hushwave.log"));
}

} // namespace
