// The press, hover and release table of the input dispatcher, walked with scripted pointer
// events on a form laid out like this (form client coordinates):
//
//   a     non-windowed   10,10  40 x 30
//   over  windowed       20,15  20 x 20   (in front of a: windowed children come first)
//   b     windowed       60,10  50 x 50
//   b1    non-windowed   in b at 5,5  10 x 10

#include "RecordingControls.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/backend/headless/HeadlessWindowSystem.h"
#include "platform/controls/DesignerHook.h"
#include "platform/controls/InputDispatcher.h"
#include "platform/core/Exception.h"
#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"
#include "platform/window/WindowSystem.h"
#include "tests/controls/ScriptedInputTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class InputDispatch : public ScriptedInputTest<RecordingForm> {
protected:
    void SetUp() override {
        ScriptedInputTest::SetUp();
        form = std::make_unique<RecordingForm>(nullptr, log, "form");
        form->SetBounds(100, 100, 200, 150);
        a = new Spot(form.get(), log, "a");
        a->SetBounds(10, 10, 40, 30);
        a->SetParent(form.get());
        over = new Box(form.get(), log, "over");
        over->SetBounds(20, 15, 20, 20);
        over->SetParent(form.get());
        b = new Box(form.get(), log, "b");
        b->SetBounds(60, 10, 50, 50);
        b->SetParent(form.get());
        b1 = new Spot(form.get(), log, "b1");
        b1->SetBounds(5, 5, 10, 10);
        b1->SetParent(b);
        ShowWithInput();
    }

public:
    // One step of a script: 'm' move to x,y; 'p' press; 'r' release; 'w' wait x ms.
    struct Step {
        char action;
        int x = 0;
        int y = 0;
        PointerButton button = PointerButton::Left;
    };

protected:
    void Run(const std::vector<Step>& script) {
        for (const Step& step : script) {
            switch (step.action) {
            case 'm':
                pointer->MoveTo(step.x, step.y);
                break;
            case 'p':
                pointer->Press(step.button);
                break;
            case 'r':
                pointer->Release(step.button);
                break;
            case 'w':
                clock.Advance(static_cast<uint64_t>(step.x));
                break;
            }
        }
    }

    EventLog log;
    Spot* a = nullptr;
    Box* over = nullptr;
    Box* b = nullptr;
    Spot* b1 = nullptr;
};

constexpr PointerButton kRight = PointerButton::Right;

struct ScriptCase {
    const char* name;
    std::vector<InputDispatch::Step> script;
    Lines expected;
    friend void PrintTo(const ScriptCase& c, std::ostream* os) { *os << c.name; }
};

class PointerScripts : public InputDispatch, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(PointerScripts, FollowTheTable) {
    Run(GetParam().script);
    EXPECT_EQ(log.Take(), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PointerScripts,
    ::testing::Values(
        ScriptCase{
            "press and release over the same control click it",
            {{'m', 12, 12}, {'p'}, {'r'}},
            {"a move 2,2", "a down left 2,2", "form capture lost", "a click", "a up left 2,2"}},
        ScriptCase{"the capture keeps the moves and the release; outside, no click",
                   {{'m', 12, 12}, {'p'}, {'m', 150, 100}, {'r'}},
                   {"a move 2,2", "a down left 2,2", "a move 140,90", "form capture lost",
                    "a up left 140,90"}},
        ScriptCase{"leaving and coming back before the release still clicks",
                   {{'m', 12, 12}, {'p'}, {'m', 150, 100}, {'m', 13, 13}, {'r'}},
                   {"a move 2,2", "a down left 2,2", "a move 140,90", "a move 3,3",
                    "form capture lost", "a click", "a up left 3,3"}},
        ScriptCase{
            "the right button neither captures nor clicks",
            {{'m', 12, 12}, {'p', 0, 0, kRight}, {'m', 150, 100}, {'r', 0, 0, kRight}},
            {"a move 2,2", "a down right 2,2", "form move 150,100", "form up right 150,100"}},
        ScriptCase{"the release goes where the press went, even over another control",
                   {{'m', 150, 100}, {'p'}, {'m', 12, 12}, {'r'}},
                   {"form move 150,100", "form down left 150,100", "form move 12,12",
                    "form capture lost", "form click", "form up left 12,12"}},
        ScriptCase{"windowed children lie in front of the non-windowed ones",
                   {{'m', 25, 20}, {'p'}, {'r'}},
                   {"over move 5,5", "over down left 5,5", "over capture lost", "over click",
                    "over up left 5,5"}},
        ScriptCase{
            "a non-windowed child of a windowed child, in its coordinates",
            {{'m', 67, 17}, {'p'}, {'r'}},
            {"b1 move 2,2", "b1 down left 2,2", "b capture lost", "b1 click", "b1 up left 2,2"}},
        ScriptCase{"outside the form nothing is delivered",
                   {{'m', 250, 20}, {'p'}, {'r'}, {'m', -1, 5}},
                   {}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(InputDispatch, HiddenAndDisabledControlsLetThePointerThrough) {
    a->Hide();
    pointer->Click(PointerButton::Left, 12, 12);
    b->SetEnabled(false);
    pointer->Click(PointerButton::Left, 67, 17);
    a->Show();
    a->SetEnabled(false);
    pointer->Click(PointerButton::Right, 12, 12);
    EXPECT_EQ(log.Take(),
              (Lines{"form move 12,12", "form down left 12,12", "form capture lost", "form click",
                     "form up left 12,12", "form move 67,17", "form down left 67,17",
                     "form capture lost", "form click", "form up left 67,17", "form move 12,12",
                     "form down right 12,12", "form up right 12,12"}));
}

TEST_F(InputDispatch, WindowRegionsShapeTheHits) {
    // b keeps only its right half; the form keeps everything but its top-left corner.
    FindWindow(b->Handle())->SetRegion(Region(25, 0, 50, 50), false);
    FindWindow(form->Handle())
        ->SetRegion(Region(0, 0, 200, 150).Combined(Region(0, 0, 5, 5), RegionOperation::Subtract),
                    false);
    pointer->Click(PointerButton::Left, 67, 17);
    pointer->Click(PointerButton::Left, 90, 17);
    pointer->Click(PointerButton::Left, 2, 2);
    EXPECT_EQ(log.Take(),
              (Lines{"form move 67,17", "form down left 67,17", "form capture lost", "form click",
                     "form up left 67,17", "b move 30,7", "b down left 30,7", "b capture lost",
                     "b click", "b up left 30,7"}));
}

TEST_F(InputDispatch, CaptureChangesAreAnnouncedToTheWindowLosingIt) {
    HWND overWindow = over->Handle();
    HWND bWindow = b->Handle();
    EXPECT_EQ(SetCapture(overWindow), HWND{});
    EXPECT_EQ(SetCapture(bWindow), overWindow);
    EXPECT_EQ(log.Take(), Lines{"over capture lost"});
    EXPECT_EQ(GetCapture(), bWindow);

    // Between a window and its own non-windowed child the capture moves silently.
    b1->SetMouseCapture(true);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(GetCapture(), bWindow);
    pointer->MoveTo(0, 0);
    EXPECT_EQ(log.Take(), Lines{"b1 move -65,-15"});

    a->SetMouseCapture(true);
    EXPECT_EQ(log.Take(), Lines{"b capture lost"});
    EXPECT_EQ(GetCapture(), form->Handle());
    ReleaseCapture();
    EXPECT_EQ(log.Take(), Lines{"form capture lost"});
    EXPECT_EQ(GetCapture(), HWND{});
    ReleaseCapture();
    EXPECT_TRUE(log.Take().empty()) << "releasing a capture nobody holds says nothing";
}

TEST_F(InputDispatch, HidingOrDisablingTheCaptureHolderReleasesIt) {
    pointer->MoveTo(25, 20);
    pointer->Press(PointerButton::Left);
    log.Take();
    over->SetEnabled(false);
    EXPECT_EQ(log.Take(), Lines{"over capture lost"});
    pointer->Release(PointerButton::Left);
    EXPECT_EQ(log.Take(), Lines{"a up left 15,10"}) << "the press ended with the capture";

    over->SetEnabled(true);
    pointer->Press(PointerButton::Left);
    log.Take();
    over->Hide();
    EXPECT_EQ(log.Take(), Lines{"over capture lost"});
    EXPECT_EQ(GetCapture(), HWND{});
}

TEST_F(InputDispatch, ADestroyedCaptureHolderIsForgottenSilently) {
    pointer->MoveTo(25, 20);
    pointer->Press(PointerButton::Left);
    log.Take();
    Free(over);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(GetCapture(), HWND{});
    pointer->Release(PointerButton::Left);
    EXPECT_EQ(log.Take(), Lines{"a up left 15,10"});
}

TEST_F(InputDispatch, ACaptureHeldByADestroyedWindowWithoutAControlIsDropped) {
    HWND plain = CreateWindowRecord(nullptr, {}, nullptr);
    SetCapture(plain);
    DestroyWindowRecord(plain);
    EXPECT_EQ(GetCapture(), HWND{});
    SetCapture(CreateWindowRecord(nullptr, {}, nullptr));
    DestroyWindowRecord(GetCapture());
    pointer->Click(PointerButton::Left, 12, 12);
    EXPECT_EQ(log.Take(), (Lines{"a move 2,2", "a down left 2,2", "form capture lost", "a click",
                                 "a up left 2,2"}));
}

TEST_F(InputDispatch, ANonWindowedCaptureHoldersWindowHearsItGo) {
    pointer->MoveTo(12, 12);
    pointer->Press(PointerButton::Left);
    log.Take();
    Free(a);
    EXPECT_EQ(log.Take(), Lines{"form capture lost"});
    EXPECT_EQ(GetCapture(), HWND{});
}

TEST_F(InputDispatch, ReleasingTheCaptureInMouseDownEndsThePressAndStartsASystemMove) {
    // The main window's drag handler: the press hands the window to the window system.
    a->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        ReleaseCapture();
        SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    };
    auto& headless = dynamic_cast<HeadlessWindowSystem&>(CurrentWindowSystem());
    int moves = headless.SystemMoveCount();
    pointer->MoveTo(12, 12);
    pointer->Press(PointerButton::Left);
    EXPECT_EQ(GetCapture(), HWND{});
    EXPECT_EQ(headless.SystemMoveCount(), moves + 1);
    pointer->MoveTo(150, 100);
    pointer->Release(PointerButton::Left);
    EXPECT_EQ(log.Take(), (Lines{"a move 2,2", "a down left 2,2", "form capture lost",
                                 "form move 150,100", "form up left 150,100"}));
}

// The presses, releases and clicks of a log, without the moves and capture changes.
Lines ClicksOnly(Lines lines) {
    std::erase_if(lines, [](const std::string& line) {
        return line.find(" move ") != line.npos || line.find("capture lost") != line.npos;
    });
    return lines;
}

struct DoubleClickCase {
    const char* name;
    std::vector<InputDispatch::Step> script;
    Lines expected;
    friend void PrintTo(const DoubleClickCase& c, std::ostream* os) { *os << c.name; }
};

class DoubleClicks : public InputDispatch, public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(DoubleClicks, FollowTheTable) {
    log.Take();
    Run(GetParam().script);
    EXPECT_EQ(ClicksOnly(log.Take()), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleClicks,
    ::testing::Values(DoubleClickCase{"two quick presses on one control",
                                      {{'m', 12, 12}, {'p'}, {'r'}, {'w', 200}, {'p'}, {'r'}},
                                      {"a down left 2,2", "a click", "a up left 2,2", "a dblclick",
                                       "a down left double 2,2", "a up left 2,2"}},
                      DoubleClickCase{"too slow",
                                      {{'m', 12, 12}, {'p'}, {'r'}, {'w', 501}, {'p'}, {'r'}},
                                      {"a down left 2,2", "a click", "a up left 2,2",
                                       "a down left 2,2", "a click", "a up left 2,2"}},
                      DoubleClickCase{"too far",
                                      {{'m', 12, 12}, {'p'}, {'r'}, {'m', 15, 12}, {'p'}, {'r'}},
                                      {"a down left 2,2", "a click", "a up left 2,2",
                                       "a down left 5,2", "a click", "a up left 5,2"}},
                      DoubleClickCase{"a third press starts over",
                                      {{'m', 12, 12}, {'p'}, {'r'}, {'p'}, {'r'}, {'p'}, {'r'}},
                                      {"a down left 2,2", "a click", "a up left 2,2", "a dblclick",
                                       "a down left double 2,2", "a up left 2,2", "a down left 2,2",
                                       "a click", "a up left 2,2"}},
                      DoubleClickCase{"the right button double clicks without DblClick",
                                      {{'m', 12, 12},
                                       {'p', 0, 0, kRight},
                                       {'r', 0, 0, kRight},
                                       {'p', 0, 0, kRight},
                                       {'r', 0, 0, kRight}},
                                      {"a down right 2,2", "a up right 2,2",
                                       "a down right double 2,2", "a up right 2,2"}},
                      DoubleClickCase{
                          "another button is another press",
                          {{'m', 12, 12}, {'p'}, {'r'}, {'p', 0, 0, kRight}, {'r', 0, 0, kRight}},
                          {"a down left 2,2", "a click", "a up left 2,2", "a down right 2,2",
                           "a up right 2,2"}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(InputDispatch, WithoutCsDoubleClicksTheSecondPressIsAPress) {
    a->SetControlStyle(a->ControlStyle() >> csDoubleClicks);
    pointer->Click(PointerButton::Left, 12, 12);
    pointer->Click(PointerButton::Left, 12, 12);
    Lines seen = log.Take();
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "a click"), 2);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "a dblclick"), 0);
}

TEST_F(InputDispatch, AWindowSystemsDoubleClickCountsOnlyOnTheControlPressedFirst) {
    pointer->Click(PointerButton::Left, 12, 12);
    pointer->PressAsDoubleClick(PointerButton::Left);
    pointer->Release(PointerButton::Left);
    pointer->Click(PointerButton::Left, 150, 100);
    pointer->MoveTo(12, 12);
    pointer->PressAsDoubleClick(PointerButton::Left);
    pointer->Release(PointerButton::Left);
    EXPECT_EQ(
        ClicksOnly(log.Take()),
        (Lines{"a down left 2,2", "a click", "a up left 2,2", "a dblclick",
               "a down left double 2,2", "a up left 2,2", "form down left 150,100", "form click",
               "form up left 150,100", "a down left 2,2", "a click", "a up left 2,2"}));
}

TEST_F(InputDispatch, KeysGoToTheFocusedControlOrElseToTheForm) {
    keyboard->Type('A', 'a');
    b->SetFocus();
    keyboard->Type('B', 'b');
    over->SetFocus();
    b->SetEnabled(false);
    over->Hide();
    keyboard->Type('C');
    EXPECT_EQ(log.Take(), (Lines{"form key down 65", "form char a", "form key up 65", "b enter",
                                 "b key down 66", "b char b", "b key up 66", "b exit", "over enter",
                                 "over exit", "form key down 67", "form key up 67"}));
    EXPECT_THROW(over->SetFocus(), EInvalidOperation);
    EXPECT_THROW(b->SetFocus(), EInvalidOperation);
}

TEST_F(InputDispatch, ADisabledFocusedControlKeepsTheFocusButNotTheKeys) {
    b->SetFocus();
    b->SetEnabled(false);
    keyboard->Type('D');
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(log.Take(), (Lines{"b enter", "form key down 68", "form key up 68"}));
}

TEST_F(InputDispatch, TabVisitsTabStopsInTabOrderAndShiftTabGoesBack) {
    auto* c = new Box(form.get(), log, "c");
    c->SetParent(form.get());
    for (TWinControl* control : std::vector<TWinControl*>{over, b, c}) {
        control->SetTabStop(true);
    }
    c->SetTabOrder(0); // c, over, b
    b->SetTabStop(false);
    keyboard->Type(VK_TAB);
    keyboard->Type(VK_TAB);
    keyboard->Type(VK_TAB);
    keyboard->KeyDown(VK_SHIFT);
    keyboard->Type(VK_TAB);
    keyboard->KeyUp(VK_SHIFT);
    Lines seen = log.Take();
    std::erase_if(seen, [](const std::string& line) { return line.find(" key ") != line.npos; });
    EXPECT_EQ(seen, (Lines{"c enter", "c exit", "over enter", "over exit", "c enter", "c exit",
                           "over enter"}));
}

TEST_F(InputDispatch, AControlThatTakesTheTabKeyKeepsTheFocus) {
    b->SetTabStop(true);
    over->SetTabStop(true);
    b->OnKeyDown = [](TObject*, WORD& key, TShiftState) { key = 0; };
    b->SetFocus();
    keyboard->Type(VK_TAB);
    EXPECT_TRUE(b->Focused());
}

TEST_F(InputDispatch, ADestroyedFocusedControlIsForgottenSilently) {
    b->SetFocus();
    log.Take();
    Free(b);
    EXPECT_EQ(InputDispatcher::Instance().FocusedControl(), nullptr);
    keyboard->Type('E');
    EXPECT_EQ(log.Take(), (Lines{"form key down 69", "form key up 69"}));
}

TEST_F(InputDispatch, DeactivationGrabLossAndALostReleaseAllCancelThePress) {
    HWND other = CreateWindowRecord(nullptr, {}, nullptr);
    auto pressOver = [&] {
        pointer->MoveTo(25, 20);
        pointer->Press(PointerButton::Left);
        log.Take();
    };
    pressOver();
    SetForegroundWindow(other);
    EXPECT_EQ(log.Take(), Lines{"over capture lost"}) << "another window was activated";
    pointer->Release(PointerButton::Left);
    EXPECT_EQ(log.Take(), Lines{"over up left 5,5"}) << "no click after cancel mode";

    SetForegroundWindow(form->Handle());
    pressOver();
    SendMessageA(form->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(log.Take(), Lines{"over capture lost"}) << "another program grabbed the pointer";
    pointer->Release(PointerButton::Left);
    log.Take();

    pressOver();
    // The release went to a window that moved the form; the next move shows no button held.
    FindWindow(form->Handle())->Deliver(WM_MOUSEMOVE, 0, MakePointLParam(100, 50));
    EXPECT_EQ(log.Take(), (Lines{"over capture lost", "b move 40,40"}));
    DestroyWindowRecord(other);
}

// Logs the focus messages themselves, which the form and its controls hear apart from the
// enter and exit of the focus moving between controls.
struct FocusBox : Box {
    using Box::Box;
    void Dispatch(TMessage& message) override {
        if (message.Msg == WM_SETFOCUS || message.Msg == WM_KILLFOCUS) {
            Note(message.Msg == WM_SETFOCUS ? "focus gained" : "focus lost");
        }
        Box::Dispatch(message);
    }
};

TEST_F(InputDispatch, AFormDeactivatedOrHiddenGivesTheFocusBackToItsControlLater) {
    auto* c = new FocusBox(form.get(), log, "c");
    c->SetParent(form.get());
    c->SetFocus();
    EXPECT_EQ(log.Take(), (Lines{"c enter", "c focus gained"}));
    HWND other = CreateWindowRecord(nullptr, {}, nullptr);

    SetForegroundWindow(other);
    EXPECT_FALSE(c->Focused());
    SetForegroundWindow(form->Handle());
    EXPECT_TRUE(c->Focused());
    form->Hide();
    form->Show();
    ShowWindow(form->Handle(), SW_HIDE);
    ShowWindow(form->Handle(), SW_SHOW);
    EXPECT_EQ(log.Take(), (Lines{"c focus lost", "c focus gained", "c focus lost", "c focus gained",
                                 "c focus lost", "c focus gained"}))
        << "the focus never left the form's control, so it neither exits nor enters";

    keyboard->Type('F');
    EXPECT_EQ(log.Take(), (Lines{"c key down 70", "c key up 70"}));
    SetForegroundWindow(other);
    Free(c);
    SetForegroundWindow(form->Handle());
    EXPECT_EQ(InputDispatcher::Instance().FocusedControl(), nullptr);
    DestroyWindowRecord(other);
}

TEST_F(InputDispatch, ModifiersLetGoElsewhereAreClearedAndAltReachesMouseMessages) {
    TShiftState seen;
    a->OnMouseDown = [&](TObject*, TMouseButton, TShiftState shift, int, int) { seen = shift; };
    keyboard->KeyDown(VK_MENU);
    pointer->Click(PointerButton::Left, 12, 12);
    EXPECT_TRUE(seen.Contains(ssAlt));

    keyboard->KeyDown(VK_SHIFT);
    keyboard->KeyDown(VK_CONTROL);
    HWND other = CreateWindowRecord(nullptr, {}, nullptr);
    SetForegroundWindow(other);
    SetForegroundWindow(form->Handle());
    EXPECT_EQ(InputDispatcher::Instance().KeyShiftState(), TShiftState());
    pointer->Click(PointerButton::Left, 12, 12);
    EXPECT_FALSE(seen.Contains(ssAlt));
    DestroyWindowRecord(other);
}

// A designer that takes every mouse message of a form read for design and records whose it was.
class RecordingDesigner final : public IDesignerHook {
public:
    explicit RecordingDesigner(EventLog& log) : m_log(&log) {}
    bool IsDesignMsg(TControl* Sender, TMessage& Message) override {
        if (Message.Msg == WM_LBUTTONDOWN) {
            m_log->lines.push_back("designer down on " + Sender->Name());
        }
        return true;
    }

private:
    EventLog* m_log;
};

TEST_F(InputDispatch, AtDesignTimeTheDesignerTakesTheMouseBeforeTheControls) {
    RecordingDesigner designer(log);
    form->SetDesigner(&designer);
    form->SetDesigning(true);
    Run({{'m', 67, 17}, {'p'}, {'r'}, {'m', 12, 12}, {'p'}, {'r'}});
    EXPECT_EQ(log.Take(), (Lines{"designer down on b1", "designer down on a"}))
        << "the controls neither pressed nor clicked";

    form->SetDesigning(false);
    Run({{'m', 67, 17}, {'p'}, {'r'}});
    EXPECT_EQ(log.Take(), (Lines{"b1 move 2,2", "b1 down left 2,2", "b capture lost", "b1 click",
                                 "b1 up left 2,2"}))
        << "outside design time the designer is not asked";
    form->SetDesigner(nullptr);
}

} // namespace
