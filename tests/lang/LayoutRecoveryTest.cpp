#include "lang/LayoutRecovery.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TImage.h"
#include "platform/graphics/TFont.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

kiln::ControlInfo Row(const char* name, int left, int top, int width, int height, int font) {
    kiln::ControlInfo row{};
    std::strncpy(row.Name, name, sizeof row.Name - 1);
    row.Left = left;
    row.Top = top;
    row.Width = width;
    row.Height = height;
    row.FontHeight = font;
    return row;
}

class LayoutRecoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_form.SetName("Window");
        m_image = Add<TImage>("Picture", &m_form);
        m_panel = Add<TPanel>("Box", &m_form);
        m_label = Add<TEdit>("Inside", m_panel);
    }
    template <class T> T* Add(const char* name, TWinControl* parent) {
        auto* control = new T(&m_form);
        control->SetName(name);
        control->SetParent(parent);
        return control;
    }
    TForm m_form{nullptr};
    TImage* m_image;
    TPanel* m_panel;
    TEdit* m_label;
};

TEST_F(LayoutRecoveryTest, AppliesEveryRowAndCountsTheRoot) {
    const kiln::ControlInfo rows[] = {
        Row("Window", 10, 20, 300, 200, -11), Row("Picture", 1, 2, 3, 4, 0),
        Row("Box", 5, 6, 100, 50, 0),         Row("Inside", 7, 8, 40, 13, -12),
        Row("Unused", 9, 9, 9, 9, 0),
    };
    EXPECT_EQ(kiln::Recover(&m_form, rows, 5), 4);
    EXPECT_EQ(m_form.Left(), 10);
    EXPECT_EQ(m_form.Font()->Height(), -11);
    EXPECT_EQ(m_image->BoundsRect(), (RECT{1, 2, 4, 6}));
    EXPECT_EQ(m_label->BoundsRect(), (RECT{7, 8, 47, 21})) << "panel coordinates";
    EXPECT_EQ(m_label->Font()->Height(), -12);
}

TEST_F(LayoutRecoveryTest, FirstOfTwoRowsWithOneNameWins) {
    const kiln::ControlInfo rows[] = {
        Row("Window", 0, 0, 300, 200, 0), Row("Picture", 1, 1, 1, 1, 0),
        Row("Picture", 2, 2, 2, 2, 0),    Row("Box", 0, 0, 10, 10, 0),
        Row("Inside", 0, 0, 5, 5, 0),
    };
    EXPECT_EQ(kiln::Recover(&m_form, rows, 5), 4);
    EXPECT_EQ(m_image->BoundsRect(), (RECT{1, 1, 2, 2}));
}

TEST_F(LayoutRecoveryTest, ControlWithoutARowStopsAndKeepsWhatWasApplied) {
    m_image->SetBounds(50, 50, 5, 5);
    const kiln::ControlInfo rows[] = {
        Row("Window", 10, 10, 300, 200, 0),
        Row("Picture", 1, 2, 3, 4, 0),
        Row("Inside", 0, 0, 5, 5, 0),
    };
    EXPECT_EQ(kiln::Recover(&m_form, rows, 3), -1);
    EXPECT_EQ(m_image->BoundsRect(), (RECT{1, 2, 4, 6}));
    EXPECT_NE(m_form.Left(), 10) << "the root is untouched";
    EXPECT_EQ(kiln::Recover(nullptr, rows, 3), -1);
}

} // namespace
