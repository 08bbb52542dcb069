#include "platform/kernel/Process.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// sysfs refuses to create files even for root, so a program "installed" in /sys meets the
// refusal a read-only system folder gives a user, whoever runs the test.
constexpr const char* kRefusingExe = "/sys/hushwave";
constexpr const char* kRefusedLog = "/sys/hushwave.log";

class RedirectedWritesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("hushwave-redirect-" + std::to_string(getpid()));
        fs::create_directories(m_folder);
        Remember("XDG_STATE_HOME", m_savedState);
        Remember("HOME", m_savedHome);
        setenv("XDG_STATE_HOME", (m_folder / "state").c_str(), 1);
        setenv("HOME", (m_folder / "home").c_str(), 1);
        SetExeNameForTesting(kRefusingExe);
    }
    void TearDown() override {
        SetExeNameForTesting("");
        Restore("XDG_STATE_HOME", m_savedState);
        Restore("HOME", m_savedHome);
        fs::remove_all(m_folder);
    }
    static void Remember(const char* name, std::optional<std::string>& saved) {
        const char* value = std::getenv(name);
        saved = value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& saved) {
        saved ? setenv(name, saved->c_str(), 1) : unsetenv(name);
    }
    static bool Append(const fs::path& path, const char* line) {
        FILE* file = std::fopen(path.c_str(), "a+");
        if (file == nullptr) {
            return false;
        }
        std::fputs(line, file);
        return std::fclose(file) == 0;
    }
    static std::string Contents(const fs::path& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path m_folder;
    std::optional<std::string> m_savedState;
    std::optional<std::string> m_savedHome;
};

TEST_F(RedirectedWritesTest, RefusedFileBesideTheExecutableIsAppendedInTheStateFolder) {
    ASSERT_TRUE(Append(kRefusedLog, "first\n"));
    ASSERT_TRUE(Append(kRefusedLog, "second\n"));
    const fs::path store = m_folder / "state" / "hushwave";
    EXPECT_EQ(Contents(store / "hushwave.log"), "first\nsecond\n");
    struct stat info {};
    ASSERT_EQ(stat(store.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(RedirectedWritesTest, StateFolderFallsBackToHomeWhenXdgStateHomeIsUnsetOrRelative) {
    for (const char* state : {static_cast<const char*>(nullptr), "relative/state"}) {
        state ? setenv("XDG_STATE_HOME", state, 1) : unsetenv("XDG_STATE_HOME");
        ASSERT_TRUE(Append(kRefusedLog, "line\n")) << (state ? state : "unset");
    }
    EXPECT_EQ(Contents(m_folder / "home/.local/state/hushwave/hushwave.log"), "line\nline\n");
    EXPECT_FALSE(fs::exists("relative"));
}

TEST_F(RedirectedWritesTest, OnlyWritesBesideTheExecutableAreRedirected) {
    const fs::path store = m_folder / "state" / "hushwave";
    fs::create_directories(store);
    std::ofstream(store / "hushwave.log") << "from the user\n";
    errno = 0;
    EXPECT_EQ(std::fopen(kRefusedLog, "r"), nullptr) << "a read never comes from the store";
    SetExeNameForTesting((m_folder / "hushwave").string());
    errno = 0;
    EXPECT_EQ(std::fopen(kRefusedLog, "a"), nullptr) << "not the executable's folder";
    EXPECT_EQ(errno, EACCES);
    EXPECT_EQ(Contents(store / "hushwave.log"), "from the user\n");
}

TEST_F(RedirectedWritesTest, WritableFolderKeepsItsFileAndAnUnusableStoreFailsAsBefore) {
    SetExeNameForTesting((m_folder / "hushwave").string());
    ASSERT_TRUE(Append(m_folder / "hushwave.log", "here\n"));
    EXPECT_EQ(Contents(m_folder / "hushwave.log"), "here\n");
    EXPECT_FALSE(fs::exists(m_folder / "state"));

    SetExeNameForTesting(kRefusingExe);
    std::ofstream(m_folder / "state") << "a file where the folder would be";
    errno = 0;
    EXPECT_EQ(std::fopen(kRefusedLog, "a+"), nullptr);
    EXPECT_EQ(errno, EACCES) << "the error of the folder beside the executable";
}

} // namespace
