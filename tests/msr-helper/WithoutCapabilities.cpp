// These tests run as an ordinary process would, holding no capability, so that the helpers
// they start hold none either and honour their stand-ins. Run as root, the process empties its
// bounding set as well, since a root process's children otherwise regain every capability when
// they start.
#include "platform/msrhelper/Capabilities.h"

#include <gtest/gtest.h>

namespace {

class WithoutCapabilities : public testing::Environment {
public:
    void SetUp() override {
        if (msrhelper::HoldsCapabilities()) {
            ASSERT_TRUE(msrhelper::DropEveryCapability());
        }
    }
};

testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new WithoutCapabilities);

} // namespace
