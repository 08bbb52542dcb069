// These tests run as an ordinary process would, holding no capability, so that the helpers
// they start hold none either and honour their stand-ins. Run as root, the process first
// empties its bounding set, since a root process's children otherwise regain every
// capability when they start.
#include "platform/msrhelper/Capabilities.h"

#include <gtest/gtest.h>

#include <fstream>

#include <sys/prctl.h>

namespace {

class WithoutCapabilities : public testing::Environment {
public:
    void SetUp() override {
        if (!msrhelper::HoldsCapabilities()) {
            return;
        }
        int last = 0;
        std::ifstream("/proc/sys/kernel/cap_last_cap") >> last;
        for (int capability = 0; capability <= last; ++capability) {
            prctl(PR_CAPBSET_DROP, capability, 0, 0, 0);
        }
        ASSERT_TRUE(msrhelper::DropEveryCapability());
    }
};

testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new WithoutCapabilities);

} // namespace
