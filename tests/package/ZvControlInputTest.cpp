// The picture requests of the skinned control base, walked row by row with scripted pointer,
// key and focus events through the platform's dispatcher on the headless window system. Each
// script starts with the pointer outside the control and the focus elsewhere; the form looks
// like this (form client coordinates):
//
//   control  the skinned control  20,20  40 x 30
//   other    a windowed control   100,20  20 x 20, which takes the focus away

#include "package/ZvControl.h"
#include "platform/controls/InputDispatcher.h"
#include "platform/controls/TCustomForm.h"
#include "tests/controls/ScriptedInputTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Logs every picture request and click instead of drawing.
class RecordingZvControl : public ZvControl {
public:
    RecordingZvControl(TComponent* owner, bool clicksDisabled, int reactiveWidth, Lines& log)
        : ZvControl(owner, clicksDisabled), m_reactiveWidth(reactiveWidth), m_log(log) {}

    void ShowRaised() override { m_log.push_back("raised"); }
    void ShowSunken() override { m_log.push_back("sunken"); }
    void ShowFocused() override { m_log.push_back("focused"); }
    void ShowDisabled() override { m_log.push_back("disabled"); }
    void Click() override {
        m_log.push_back("click");
        ZvControl::Click();
    }
    // A shaped control reacts only left of its reactive width.
    bool PointInside(int x, int y) override {
        return ZvControl::PointInside(x, y) && (m_reactiveWidth == 0 || x < m_reactiveWidth);
    }

private:
    int m_reactiveWidth;
    Lines& m_log;
};

enum class Act {
    MoveIn,   // to a point of the control not visited last
    MoveOut,  // to a point of the form beside the control
    MoveDead, // to the control's bottom-right corner, which a shaped control does not take
    Press,    // the left button, where the pointer is
    Release,  // the left button
    SpaceDown,
    SpaceUp,
    FocusIn,  // the control takes the focus
    FocusOut, // the other control takes it
    Disable,
    Enable,
    HoverOff, // ShowMouseOver becomes false
    ClicksOff // ClicksDisabled becomes true
};

const char* Describe(Act act) {
    switch (act) {
    case Act::MoveIn:
        return "move in";
    case Act::MoveOut:
        return "move out";
    case Act::MoveDead:
        return "move to the dead corner";
    case Act::Press:
        return "press";
    case Act::Release:
        return "release";
    case Act::SpaceDown:
        return "space down";
    case Act::SpaceUp:
        return "space up";
    case Act::FocusIn:
        return "focus in";
    case Act::FocusOut:
        return "focus out";
    case Act::Disable:
        return "disable";
    case Act::Enable:
        return "enable";
    case Act::HoverOff:
        return "hover off";
    case Act::ClicksOff:
        return "clicks off";
    }
    return "?";
}

// One row: what happens, the requests it makes, and the control's state after it. "Captured"
// is whether the control's window holds the mouse capture.
struct Row {
    Act act;
    Lines requests;
    bool pressed;
    bool hot;
    bool captured;
};

struct Variant {
    bool clicksDisabled = false;
    bool showMouseOver = true;
    bool tabStop = false;
    int reactiveWidth = 0; // 0: the whole control
};

struct Script {
    const char* name;
    Variant variant;
    std::vector<Row> rows;
    friend void PrintTo(const Script& s, std::ostream* os) { *os << s.name; }
};

class ZvControlInput : public ScriptedInputTest<TForm>,
                       public ::testing::WithParamInterface<Script> {
protected:
    void SetUp() override {
        ScriptedInputTest::SetUp();
        const Variant& variant = GetParam().variant;
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 200, 150);
        control =
            new RecordingZvControl(form.get(), variant.clicksDisabled, variant.reactiveWidth, log);
        control->SetBounds(20, 20, 40, 30);
        control->SetParent(form.get());
        control->SetShowMouseOver(variant.showMouseOver);
        control->SetTabStop(variant.tabStop);
        other = new TWinControl(form.get());
        other->SetBounds(100, 20, 20, 20);
        other->SetParent(form.get());
        ShowWithInput();
        pointer->MoveTo(150, 120);
        log.clear();
    }

    void Perform(Act act) {
        switch (act) {
        case Act::MoveIn:
            m_inside = m_inside.x == 30 ? POINT{40, 35} : POINT{30, 30};
            pointer->MoveTo(m_inside.x, m_inside.y);
            break;
        case Act::MoveOut:
            pointer->MoveTo(80, 90);
            break;
        case Act::MoveDead:
            pointer->MoveTo(55, 45);
            break;
        case Act::Press:
            pointer->Press(PointerButton::Left);
            break;
        case Act::Release:
            pointer->Release(PointerButton::Left);
            break;
        case Act::SpaceDown:
            keyboard->KeyDown(VK_SPACE);
            break;
        case Act::SpaceUp:
            keyboard->KeyUp(VK_SPACE);
            break;
        case Act::FocusIn:
            control->SetFocus();
            break;
        case Act::FocusOut:
            other->SetFocus();
            break;
        case Act::Disable:
            control->SetEnabled(false);
            break;
        case Act::Enable:
            control->SetEnabled(true);
            break;
        case Act::HoverOff:
            control->SetShowMouseOver(false);
            break;
        case Act::ClicksOff:
            control->SetClicksDisabled(true);
            break;
        }
    }

    Lines log;
    RecordingZvControl* control = nullptr;
    TWinControl* other = nullptr;
    POINT m_inside{};
};

TEST_P(ZvControlInput, FollowsTheTable) {
    const std::vector<Row>& rows = GetParam().rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        Perform(row.act);
        std::string where = "row " + std::to_string(i + 1) + " (" + Describe(row.act) + ")";
        EXPECT_EQ(log, row.requests) << where;
        EXPECT_EQ(control->IsPressed(), row.pressed) << where;
        EXPECT_EQ(control->IsHot(), row.hot) << where;
        EXPECT_EQ(GetCapture() == control->Handle(), row.captured) << where;
        log.clear();
    }
}

using enum Act;
const Lines kNone;

INSTANTIATE_TEST_SUITE_P(
    Tables, ZvControlInput,
    ::testing::Values(
        // The table above the control base's overrides, in order.
        Script{"the visual-request table",
               {},
               {{MoveIn, {"focused"}, false, true, true},
                {Press, {"sunken"}, true, true, true},
                {MoveOut, {"raised"}, false, false, true},
                {MoveIn, {"sunken"}, true, true, true},
                {Release, {"raised", "click"}, false, false, false},
                {MoveIn, {"focused"}, false, true, true},
                {MoveOut, {"raised"}, false, false, false},
                {FocusIn, {"focused"}, false, false, false},
                {SpaceDown, {"sunken"}, true, false, false},
                {SpaceDown, {"sunken"}, true, false, false},
                {SpaceUp, {"focused"}, false, false, false},
                {MoveIn, kNone, false, true, true},
                {MoveOut, kNone, false, false, false},
                {FocusOut, {"raised"}, false, false, false},
                {Disable, {"disabled"}, false, false, false},
                {Enable, {"raised"}, false, false, false}}},
        Script{"a release away from the control does not click",
               {},
               {{MoveIn, {"focused"}, false, true, true},
                {Press, {"sunken"}, true, true, true},
                {MoveOut, {"raised"}, false, false, true},
                {Release, {"raised"}, false, false, false},
                {MoveIn, {"focused"}, false, true, true}}},
        Script{"the focus leaving ends a key press but not a mouse press",
               {},
               {{FocusIn, {"focused"}, false, false, false},
                {SpaceDown, {"sunken"}, true, false, false},
                {FocusOut, {"raised"}, false, false, false},
                {SpaceUp, kNone, false, false, false},
                {MoveIn, {"focused"}, false, true, true},
                {Press, {"sunken"}, true, true, true},
                {FocusIn, kNone, true, true, true},
                {FocusOut, kNone, true, true, true},
                {Release, {"raised", "click"}, false, false, false}}},
        Script{"a key released during a mouse press ends with the mouse press",
               {},
               {{FocusIn, {"focused"}, false, false, false},
                {SpaceDown, {"sunken"}, true, false, false},
                {MoveIn, kNone, true, true, true},
                {Press, kNone, true, true, true},
                {SpaceUp, kNone, true, true, true},
                {Release, {"focused", "click"}, false, false, false},
                {MoveIn, kNone, false, true, true}}},
        Script{"disabling during a press ends it; enabling shows raised under the pointer",
               {},
               {{MoveIn, {"focused"}, false, true, true},
                {Press, {"sunken"}, true, true, true},
                {Disable, {"focused", "raised", "disabled"}, false, false, false},
                {Release, kNone, false, false, false},
                {Enable, {"raised"}, false, false, false},
                {MoveIn, {"focused"}, false, true, true}}},
        Script{"a disabled control keeps its picture when the focus leaves it",
               {},
               {{FocusIn, {"focused"}, false, false, false},
                {Disable, {"disabled"}, false, false, false},
                {FocusOut, kNone, false, false, false},
                {Enable, {"raised"}, false, false, false}}},
        Script{"disabling while hovering gives up the capture",
               {},
               {{MoveIn, {"focused"}, false, true, true},
                {Disable, {"raised", "disabled"}, false, false, false},
                {MoveIn, kNone, false, false, false}}},
        Script{"hover switched off while hovering shows raised and lets the capture go",
               {},
               {{MoveIn, {"focused"}, false, true, true},
                {HoverOff, {"raised"}, false, false, false},
                {MoveIn, kNone, false, false, true},
                {MoveOut, kNone, false, false, false}}},
        Script{"hover switched off while hovering a focused control keeps its picture",
               {},
               {{MoveIn, {"focused"}, false, true, true},
                {FocusIn, kNone, false, true, true},
                {HoverOff, kNone, false, false, false}}},
        Script{"hover switched off during a mouse press lets the press go on",
               {},
               {{MoveIn, {"focused"}, false, true, true},
                {Press, {"sunken"}, true, true, true},
                {HoverOff, kNone, true, false, true},
                {Release, {"raised", "click"}, false, false, false}}},
        Script{"without hover only presses change the picture",
               {.showMouseOver = false},
               {{MoveIn, kNone, false, false, true},
                {Press, {"sunken"}, true, false, true},
                {MoveOut, {"raised"}, false, false, true},
                {MoveIn, {"sunken"}, true, false, true},
                {Release, {"raised", "click"}, false, false, false},
                {MoveIn, kNone, false, false, true},
                {MoveOut, kNone, false, false, false}}},
        Script{"with clicks disabled hover still highlights and nothing is sunken",
               {.clicksDisabled = true},
               {{MoveIn, {"focused"}, false, true, true},
                {Press, kNone, false, true, true},
                {MoveOut, {"raised"}, false, false, true},
                {MoveIn, {"focused"}, false, true, true},
                {Release, {"raised", "click"}, false, false, false},
                {FocusIn, {"focused"}, false, false, false},
                {SpaceDown, kNone, false, false, false},
                {SpaceUp, kNone, false, false, false}}},
        Script{"with clicks disabled and no hover the pointer changes nothing",
               {.clicksDisabled = true, .showMouseOver = false},
               {{MoveIn, kNone, false, false, false},
                {Press, kNone, false, false, true},
                {MoveOut, kNone, false, false, true},
                {MoveIn, kNone, false, false, true},
                {Release, {"click"}, false, false, false}}},
        Script{"clicks disabled during a key press end it",
               {},
               {{FocusIn, {"focused"}, false, false, false},
                {SpaceDown, {"sunken"}, true, false, false},
                {ClicksOff, {"focused"}, false, false, false},
                {SpaceUp, kNone, false, false, false}}},
        Script{"where a shaped control does not react, only the platform's click comes",
               {.reactiveWidth = 30},
               {{MoveDead, kNone, false, false, false},
                {Press, kNone, false, false, true},
                {Release, {"click"}, false, false, false},
                {MoveIn, {"focused"}, false, true, true},
                {MoveDead, {"raised"}, false, false, false}}},
        Script{"with a tab stop a press takes the focus first",
               {.tabStop = true},
               {{MoveIn, {"focused"}, false, true, true},
                {Press, {"sunken"}, true, true, true},
                {Release, {"focused", "click"}, false, false, false},
                {MoveOut, kNone, false, false, false},
                {MoveIn, kNone, false, true, true},
                {FocusOut, kNone, false, true, true},
                {MoveOut, {"raised"}, false, false, false}}}),
    [](const auto& info) { return "Script" + std::to_string(info.index); });

} // namespace
