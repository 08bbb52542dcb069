// Where a form comes up: a screen-centred form is centred the first time it is shown, whether
// its Visible is set or a window call (the main window's SetWindowPos with SWP_SHOWWINDOW)
// shows it.

#include "platform/controls/TCustomForm.h"
#include "platform/window/WindowCalls.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

// The headless screen is 1280 x 1024.
constexpr int kCentredLeft = (1280 - 200) / 2;
constexpr int kCentredTop = (1024 - 100) / 2;

struct ShowCase {
    const char* how;
    std::function<void(TForm&)> show;
};

void PrintTo(const ShowCase& c, std::ostream* os) {
    *os << c.how;
}

class FormPlacement : public ::testing::TestWithParam<ShowCase> {};

TEST_P(FormPlacement, AScreenCentredFormIsCentredWhenFirstShown) {
    TForm form(nullptr);
    form.SetPosition(TPosition::poScreenCenter);
    form.SetBounds(10, 20, 200, 100);
    GetParam().show(form);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Left(), kCentredLeft);
    EXPECT_EQ(form.Top(), kCentredTop);
    RECT window{};
    ASSERT_TRUE(GetWindowRect(form.Handle(), &window));
    EXPECT_EQ(window.left, kCentredLeft);
    EXPECT_EQ(window.top, kCentredTop);

    form.SetBounds(30, 40, 200, 100);
    ShowWindow(form.Handle(), SW_HIDE);
    GetParam().show(form);
    EXPECT_EQ(form.Left(), 30) << "only the first show places the form";
}

INSTANTIATE_TEST_SUITE_P(
    ShownBy, FormPlacement,
    ::testing::Values(ShowCase{"Visible", [](TForm& form) { form.Show(); }},
                      ShowCase{"SetWindowPos",
                               [](TForm& form) {
                                   SetWindowPos(form.Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                                                SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
                               }},
                      ShowCase{"ShowWindow",
                               [](TForm& form) { ShowWindow(form.Handle(), SW_SHOW); }}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return info.param.how; });

} // namespace
