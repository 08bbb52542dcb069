// hushwave-msr started with capabilities, as root and as an ordinary user given the two
// capabilities the installation gives the helper's file. Needs root to start it so.
#include "platform/msrhelper/HelperRecords.h"
#include "tests/msr-helper/HelperChild.h"
#include "tests/msr-helper/StandInMachine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include <unistd.h>

namespace {

constexpr const char* kSetpriv = "/usr/bin/setpriv";

struct Launcher {
    const char* name;
    std::vector<std::string> prefix;
};

const Launcher kLaunchers[] = {
    {"root", {}},
    {"nobody with cap_sys_rawio and cap_dac_read_search",
     {kSetpriv, "--reuid=65534", "--regid=65534", "--clear-groups",
      "--inh-caps=+sys_rawio,+dac_read_search", "--ambient-caps=+sys_rawio,+dac_read_search",
      "--"}},
};

std::vector<std::string> Command(const Launcher& launcher, std::vector<std::string> arguments) {
    std::vector<std::string> command = launcher.prefix;
    command.push_back(HUSHWAVE_MSR_HELPER);
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

// The lines of /proc/<pid>/status, by field name.
std::map<std::string, std::string> Status(pid_t pid) {
    std::map<std::string, std::string> fields;
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);) {
        const size_t colon = line.find(':');
        const size_t value = line.find_first_not_of(" \t", colon + 1);
        if (colon != std::string::npos && value != std::string::npos) {
            fields[line.substr(0, colon)] = line.substr(value);
        }
    }
    return fields;
}

class HelperWithCapabilities : public testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0 || access(kSetpriv, X_OK) != 0) {
            GTEST_SKIP() << "starting the helper with capabilities needs root and setpriv";
        }
    }
};

TEST_F(HelperWithCapabilities, RefusesTheStandIns) {
    StandInMachine machine;
    for (const Launcher& launcher : kLaunchers) {
        HelperChild helper(Command(launcher, {"--stand-in", machine.MsrFile(), machine.DmiFile()}));
        ASSERT_TRUE(helper.Started()) << launcher.name;
        EXPECT_EQ(helper.ExitStatus(), 2) << launcher.name;
        EXPECT_NE(helper.Errors().find("--stand-in is refused while it holds capabilities"),
                  std::string::npos)
            << launcher.name << ": " << helper.Errors();
    }
}

TEST_F(HelperWithCapabilities, HoldsNoCapabilityOnceItAnswers) {
    for (const Launcher& launcher : kLaunchers) {
        HelperChild helper(Command(launcher, {}));
        ASSERT_TRUE(helper.Started()) << launcher.name;
        const msrhelper::Record request =
            msrhelper::EncodeRequest({msrhelper::Question::ExternalClock, 0});
        std::optional<std::vector<uint8_t>> answer = helper.Exchange(request);
        ASSERT_TRUE(answer && msrhelper::ReadAnswer(*answer)) << launcher.name;
        std::map<std::string, std::string> status = Status(helper.Pid());
        EXPECT_EQ(status["Name"], "hushwave-msr") << launcher.name;
        for (const char* set : {"CapInh", "CapPrm", "CapEff", "CapAmb"}) {
            EXPECT_EQ(status[set], "0000000000000000") << launcher.name << ": " << set;
        }
        EXPECT_EQ(status["NoNewPrivs"], "1") << launcher.name;
        helper.ClosePipe();
        EXPECT_TRUE(helper.ExitStatus()) << launcher.name;
    }
}

} // namespace
