#include "platform/backend/XWaylandPreference.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct Case {
    const char* wayland;
    const char* x11;
    const char* chosen;
    const char* expected; // QT_QPA_PLATFORM afterwards; null when unset
};

// A null value leaves the variable unset.
const Case kCases[] = {
    {"wayland-0", ":0", nullptr, "xcb"},       // Wayland with XWayland: X
    {"wayland-0", ":0", "", "xcb"},            // an empty choice is none
    {"wayland-0", ":0", "wayland", "wayland"}, // the user's choice stands
    {"wayland-0", nullptr, nullptr, nullptr},  // no XWayland: Qt decides
    {"wayland-0", "", nullptr, nullptr},
    {nullptr, ":0", nullptr, nullptr}, // an X session needs nothing
};

class XWaylandPreferenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            m_saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        for (size_t i = 0; i < std::size(kNames); ++i) {
            Set(kNames[i], m_saved[i] ? m_saved[i]->c_str() : nullptr);
        }
    }
    static void Set(const char* name, const char* value) {
        value ? setenv(name, value, 1) : unsetenv(name);
    }

    static constexpr const char* kNames[] = {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"};
    std::vector<std::optional<std::string>> m_saved;
};

TEST_F(XWaylandPreferenceTest, AsksForXOnWaylandWithXWaylandUnlessTheUserChose) {
    for (const Case& c : kCases) {
        Set("WAYLAND_DISPLAY", c.wayland);
        Set("DISPLAY", c.x11);
        Set("QT_QPA_PLATFORM", c.chosen);
        PreferXWayland();
        const char* result = std::getenv("QT_QPA_PLATFORM");
        SCOPED_TRACE(std::string("WAYLAND_DISPLAY ") + (c.wayland ? c.wayland : "unset") +
                     ", DISPLAY " + (c.x11 ? c.x11 : "unset") + ", QT_QPA_PLATFORM " +
                     (c.chosen ? c.chosen : "unset"));
        if (c.expected == nullptr) {
            EXPECT_TRUE(result == nullptr || *result == '\0') << result;
        } else {
            ASSERT_NE(result, nullptr);
            EXPECT_STREQ(result, c.expected);
        }
    }
}

} // namespace
