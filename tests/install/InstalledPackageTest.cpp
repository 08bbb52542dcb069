// The Debian package unpacked with dpkg-deb into a folder of its own: the layout it installs,
// and the installed program run from there, on a desktop and with a read-only folder.

#include "tests/backend-qt/ChildProcess.h"
#include "tests/backend-qt/XProbe.h"
#include "tests/gui/Eventually.h"
#include "tests/gui/PrivateDesktop.h"

#include "tests/SkipOrFail.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path ThePackage() {
    std::vector<fs::path> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(HUSHWAVE_PACKAGE_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("hushwave_") && name.ends_with(".deb")) {
            found.push_back(entry.path());
        }
    }
    return found.size() == 1 ? found.front() : fs::path();
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Width and height from a PNG file's header; 0 x 0 when it is none.
std::pair<int, int> PngSize(const fs::path& path) {
    const std::string bytes = Contents(path);
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
        return {0, 0};
    }
    const auto word = [&](size_t at) {
        return int(uint8_t(bytes[at])) << 24 | int(uint8_t(bytes[at + 1])) << 16 |
               int(uint8_t(bytes[at + 2])) << 8 | int(uint8_t(bytes[at + 3]));
    };
    return {word(16), word(20)};
}

// 1800 MHz at the board's 200 MHz clock and 1.3250 V, for ever.
constexpr const char* kSteadyTrace = "0 0xA 0x08\n";

class InstalledPackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path package = ThePackage();
        ASSERT_FALSE(package.empty()) << "no single hushwave_*.deb in " << HUSHWAVE_PACKAGE_DIR;
        std::string pattern = (fs::temp_directory_path() / "hushwave-package-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        ChildProcess unpack({"dpkg-deb", "-x", package.string(), Root().string()});
        ASSERT_EQ(unpack.WaitForExit(60000), 0) << "dpkg-deb -x " << package;

        fs::create_directory(Runtime());
        fs::permissions(Runtime(), fs::perms::owner_all, fs::perm_options::replace);
        std::ofstream(m_folder / "trace") << kSteadyTrace;
        for (const char* name : {"HUSHWAVE_SIM_MODEL", "HUSHWAVE_SIM_BIOS", "HUSHWAVE_SIM_ACPI",
                                 "HUSHWAVE_SIM_FSB_INDEX", "LANGUAGE"}) {
            unsetenv(name);
        }
        setenv("LC_ALL", "C.UTF-8", 1);
        setenv("HUSHWAVE_SIM_TRACE", (m_folder / "trace").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", Runtime().c_str(), 1);
        setenv("XDG_STATE_HOME", State().c_str(), 1);
    }
    void TearDown() override {
        std::error_code ignored;
        // A test may have made the program's folder read-only.
        fs::permissions(Installed("lib/hushwave/sim"), fs::perms::owner_all, fs::perm_options::add,
                        ignored);
        fs::remove_all(m_folder, ignored);
    }

    fs::path Root() const { return m_folder / "root"; }
    fs::path Runtime() const { return m_folder / "runtime"; }
    fs::path State() const { return m_folder / "state"; }
    fs::path Installed(const std::string& path) const { return Root() / "usr" / path; }

    int Send(const std::string& message) {
        ChildProcess sender({Installed("bin/hushwave-msg").string(), message});
        return sender.WaitForExit(5000);
    }

    fs::path m_folder;
};

TEST_F(InstalledPackageTest, KeepsTheStagedFoldersAndLinksTheCommandsIntoThem) {
    const std::vector<std::pair<std::string, std::string>> links = {
        {"bin/hushwave", "../lib/hushwave/hw/hushwave"},
        {"bin/hushwave-sim", "../lib/hushwave/sim/hushwave"},
        {"bin/hushwave-msg", "../lib/hushwave/sim/hushwave-msg"},
        {"share/man/man1/hushwave-sim.1.gz", "hushwave.1.gz"},
    };
    for (const auto& [link, target] : links) {
        ASSERT_TRUE(fs::is_symlink(Installed(link))) << link;
        EXPECT_EQ(fs::read_symlink(Installed(link)), target) << link;
        EXPECT_TRUE(fs::exists(Installed(link))) << link << " leads nowhere";
    }
    for (const std::string stage : {"lib/hushwave/hw/", "lib/hushwave/sim/"}) {
        for (const char* file :
             {"hushwave", "hushwave-msg", "libReDedizEviz.so", "libZuDA.so", "libZOverclk.so",
              "RES/bar_00.bmp", "RES/bar_20.bmp", "locale/de/LC_MESSAGES/ReDedizEviz.mo",
              "locale/ja/LC_MESSAGES/ReDedizEviz.mo"}) {
            EXPECT_TRUE(fs::is_regular_file(Installed(stage + file))) << stage << file;
        }
    }
    EXPECT_TRUE(fs::is_regular_file(Installed("lib/hushwave/hw/hushwave-msr")));
    EXPECT_FALSE(fs::exists(Installed("lib/hushwave/sim/hushwave-msr")));
    EXPECT_TRUE(fs::is_regular_file(Installed("lib/hushwave/sim/libZvSimCore.so")));
    EXPECT_FALSE(fs::exists(Installed("lib/hushwave/hw/libZvSimCore.so")));
    EXPECT_TRUE(Contents(Installed("lib/hushwave/hw/libZuDA.so")) !=
                Contents(Installed("lib/hushwave/sim/libZuDA.so")))
        << "each folder holds its own build of the I/O library";

    for (const char* file : {"share/applications/org.hushwave.Hushwave.desktop",
                             "share/applications/org.hushwave.Hushwave.Simulated.desktop",
                             "share/metainfo/org.hushwave.Hushwave.metainfo.xml",
                             "share/man/man1/hushwave.1.gz", "share/man/man1/hushwave-msg.1.gz",
                             "share/doc/hushwave/copyright", "share/doc/hushwave/changelog.gz"}) {
        EXPECT_TRUE(fs::is_regular_file(Installed(file))) << file;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_EQ(PngSize(Installed("share/icons/hicolor/" + name + "/apps/hushwave.png")),
                  std::make_pair(size, size))
            << name;
    }
}

TEST_F(InstalledPackageTest, SimulatedProgramRunsOnADesktopAndQuitsByMessage) {
    if (const std::string missing = FirstMissingProgram({"Xvfb", "trayer", "xsetroot"});
        !missing.empty()) {
        SKIP_OR_FAIL(missing << " is not on PATH");
    }
    setenv("HUSHWAVE_BACKEND", "qt", 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    PrivateDesktop desktop;
    XProbe x;
    ChildProcess program({Installed("bin/hushwave-sim").string(), "DEBUG"});
    EXPECT_TRUE(Eventually(
        [&] {
            const uint32_t window = x.FindWindow("frmMain");
            return window != 0 && x.IsViewable(window);
        },
        10000))
        << "the program's window did not show";
    EXPECT_EQ(Send("quit"), 0);
    EXPECT_EQ(program.WaitForExit(10000), 0);
    // The program's folder is where its executable really lies, not the link's folder.
    EXPECT_NE(Contents(Installed("lib/hushwave/sim/hushwave.log")).find("TTfrmMain constructor."),
              std::string::npos);
    EXPECT_FALSE(fs::exists(Installed("bin/hushwave.log")));
}

// The folder of an installed program is read-only to its user. Root writes through a folder's
// permission bits, so for root the folder is bound read-only over itself in a mount namespace
// of the program's own, which refuses every write whoever makes it.
TEST_F(InstalledPackageTest, ReadOnlyFolderSendsTheLogToTheStateFolder) {
    const fs::path folder = Installed("lib/hushwave/sim");
    const fs::path program = Installed("bin/hushwave-sim");
    std::vector<std::string> command = {program.string(), "DEBUG"};
    if (geteuid() == 0) {
        ChildProcess probe({"unshare", "--mount", "true"});
        if (probe.WaitForExit(5000) != 0) {
            GTEST_SKIP() << "no mount namespace for a read-only folder";
        }
        command = {"unshare",
                   "--mount",
                   "sh",
                   "-c",
                   "mount --bind -o ro \"$1\" \"$1\" && exec \"$2\" DEBUG",
                   "sh",
                   folder.string(),
                   program.string()};
    } else {
        fs::permissions(folder,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    setenv("HUSHWAVE_BACKEND", "headless", 1);
    ChildProcess run(command);
    const fs::path log = State() / "hushwave" / "hushwave.log";
    EXPECT_TRUE(Eventually(
        [&] { return Contents(log).find("ShowEffect completed.") != std::string::npos; }, 10000))
        << "the log did not reach " << log;
    EXPECT_EQ(Send("quit"), 0);
    EXPECT_EQ(run.WaitForExit(10000), 0);
    EXPECT_NE(Contents(log).find("TTfrmMain constructor."), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "hushwave.log"));
}

} // namespace
