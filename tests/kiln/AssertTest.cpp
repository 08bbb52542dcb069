#include "platform/core/Assert.h"

#include <gtest/gtest.h>

TEST(AssertDeathTest, ReportsTheExpressionFileAndLineThenAborts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    int answer = 41;
    HUSHWAVE_ASSERT(answer == 41); // holds: nothing happens
    const int line = __LINE__ + 1;
    auto fails = [&] { HUSHWAVE_ASSERT(answer == 42); };
    EXPECT_EXIT(fails(), testing::KilledBySignal(SIGABRT),
                "^Assertion failed: answer == 42, file .*tests/kiln/AssertTest\\.cpp, line " +
                    std::to_string(line) + "\n$");
}
