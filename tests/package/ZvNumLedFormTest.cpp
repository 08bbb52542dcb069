// The numeric LED display among other controls: transparent over a picture, clicked and
// pointed at through its picture, read from a form resource, and stretched over many sizes.

#include "NumLedDisplay.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormReader.h"
#include "platform/core/DateTime.h"

#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using ZvNumLedOnAForm = NumLedFixture;

TEST_F(ZvNumLedOnAForm, ATransparentDisplayLetsThePictureUnderItThrough) {
    auto* picture = new TImage(form.get());
    picture->SetParent(form.get());
    picture->SetBounds(0, 0, 200, 100);
    TBitmap* bitmap = picture->Picture()->Bitmap();
    bitmap->SetSize(200, 100);
    bitmap->Canvas()->Brush()->SetColor(clMaroon);
    bitmap->Canvas()->FillRect(TRect(0, 0, 200, 100));
    // The display goes above the picture.
    display->SetParent(nullptr);
    display->SetParent(form.get());
    display->SetFormat("88^C");
    display->SetValue(21.0);
    AtScale(2);
    EXPECT_EQ(display->GetLedColors()->GetTransparentColor(), clBlack); // until it is set
    display->SetTransparent(true);
    form->Repaint();

    ExpectShows("21^C", 2);
    EXPECT_EQ(OnScreen(kLeft, kTop), clMaroon);
    EXPECT_EQ(OnScreen(kLeft + 127, kTop + 53), clMaroon);
    EXPECT_EQ(OnScreen(kLeft + 2 * 8 + 1, kTop + 2 * 2 + 1), kLit);   // the 2's top
    EXPECT_EQ(OnScreen(kLeft + 2 * 2 + 1, kTop + 2 * 6 + 1), kUnlit); // and its upper left
    EXPECT_EQ(OnScreen(kLeft + 2 * 36 + 11, kTop + 5), kLit);         // the degree sign

    display->SetTransparent(false);
    form->Repaint();
    EXPECT_EQ(OnScreen(kLeft, kTop), clBlack);
}

TEST_F(ZvNumLedOnAForm, MouseEventsAndClicksComeThroughThePicture) {
    AtScale(2);
    std::vector<std::string> events;
    display->OnMouseDown = [&](TObject* sender, TMouseButton button, TShiftState, int x, int y) {
        EXPECT_EQ(sender, display);
        events.push_back("down " + std::to_string(button == mbLeft) + " " + std::to_string(x) +
                         "," + std::to_string(y));
    };
    display->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    display->OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
        events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    display->OnClick = [&](TObject*) { events.push_back("click"); };
    display->OnDblClick = [&](TObject*) { events.push_back("double click"); };

    HeadlessPointer pointer(form->Handle());
    pointer.Click(PointerButton::Left, kLeft + 130, kTop + 30);
    pointer.PressAsDoubleClick(PointerButton::Left);
    pointer.Release(PointerButton::Left);
    pointer.Click(PointerButton::Left, kLeft + 200, kTop + 30); // beside the picture
    EXPECT_EQ(events,
              (std::vector<std::string>{"move 130,30", "down 1 130,30", "click", "up 130,30",
                                        "double click", "down 1 130,30", "up 130,30"}));
}

TEST_F(ZvNumLedOnAForm, ThePictureGoesWithTheDisplayWhicheverWayItGoes) {
    AtScale(1);
    EXPECT_EQ(form->ControlCount(), 2); // the picture, then the display above it
    EXPECT_EQ(form->Controls(0), display->Image());
    EXPECT_EQ(form->Controls(1), display);
    delete display;
    EXPECT_EQ(form->ControlCount(), 0);

    display = new ZvNumLed(form.get());
    display->SetParent(form.get());
    display->SetBounds(30, 20, 72, 22);
    EXPECT_EQ(display->Image()->Left(), 30);
    display->SetLeft(40);
    EXPECT_EQ(display->Image()->Left(), 40);
    EXPECT_EQ(display->Image()->Top(), 20);
    // The form releases both; the fixture's tear-down checks nothing is released twice.
}

class TNumLedForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TNumLedForm)

    explicit TNumLedForm(TComponent* Owner) : TForm(Owner) {}

    static const FormClassInfo& Published() {
        static const FormClassInfo info = FormClassInfo::Of<TNumLedForm>("TForm")
                                              .Field("clock", &TNumLedForm::clock)
                                              .Method("clockClick", &TNumLedForm::clockClick);
        return info;
    }
    void clockClick(TObject*) { ++clicks; }

    ZvNumLed* clock = nullptr;
    int clicks = 0;
};

TEST(ZvNumLedResource, EveryPublishedPropertyIsRead) {
    ZvNumLed::Publish();
    {
        TNumLedForm form(nullptr);
        ReadFormResource(form, TNumLedForm::Published(),
                         "object frm: TNumLedForm\n"
                         "  Left = 0\n  Top = 0\n  Width = 300\n  Height = 200\n"
                         "  object clock: ZvNumLed\n"
                         "    Left = 8\n    Top = 4\n    Width = 200\n    Height = 50\n"
                         "    Cursor = crHandPoint\n    Hint = 'the time'\n"
                         "    Type = nledTime\n    Style = nledRectangle7_s\n"
                         "    ZeroLeading = True\n    Format = 'HH.MM'\n"
                         "    LedColors.LightColor = clYellow\n"
                         "    LedColors.DarkColor = $00202020\n"
                         "    LedColors.BackgroundColor = clNavy\n"
                         "    LedColors.TransparentColor = clNavy\n"
                         "    Transparent = True\n    KeepRatio = True\n"
                         "    Enabled = False\n    ShowHint = True\n    Visible = True\n"
                         "    OnClick = clockClick\n"
                         "  end\n"
                         "end\n");
        ZvNumLed* clock = form.clock;
        ASSERT_NE(clock, nullptr);
        EXPECT_EQ(clock->GetType(), nledTime);
        EXPECT_EQ(clock->GetStyle(), nledRectangle7_s);
        EXPECT_TRUE(clock->GetZeroLeading());
        EXPECT_EQ(clock->GetFormat(), "HH.MM");
        EXPECT_EQ(clock->GetLedColors()->GetLightColor(), clYellow);
        EXPECT_EQ(clock->GetLedColors()->GetDarkColor(), TColor(0x202020));
        EXPECT_EQ(clock->GetLedColors()->GetBackgroundColor(), clNavy);
        EXPECT_EQ(clock->GetLedColors()->GetTransparentColor(), clNavy);
        EXPECT_TRUE(clock->GetTransparent());
        EXPECT_TRUE(clock->GetKeepRatio());
        EXPECT_FALSE(clock->Enabled());
        EXPECT_TRUE(clock->ShowHint());
        EXPECT_EQ(clock->Hint(), "the time");
        EXPECT_EQ(clock->Cursor(), -21); // crHandPoint
        // HH.MM is 78 × 27 at base size; 50 high decides.
        EXPECT_EQ(clock->Left(), 8);
        EXPECT_EQ(clock->Top(), 4);
        EXPECT_EQ(clock->Width(), 144);
        EXPECT_EQ(clock->Height(), 50);
        EXPECT_EQ(clock->Image()->Parent(), &form);
        EXPECT_EQ(clock->Image()->Left(), 8);
        clock->OnClick(clock);
        EXPECT_EQ(form.clicks, 1);
    }
    MessageLoop::Instance().Reset();
}

// Over a seeded sweep of sizes the picture always covers the control exactly and holds only
// the three colours, the lit ones inside the lit glyphs' share of the row.
TEST_F(ZvNumLedOnAForm, EverySizeIsCoveredInTheDisplaysColoursOnly) {
    display->SetFormat("8.8^C");
    display->SetValue(8.8);
    display->Off(5);
    std::mt19937 random(20060428);
    std::uniform_int_distribution<int> side(8, 400);
    for (int round = 0; round < 40; ++round) {
        const int width = side(random), height = side(random);
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        display->SetBounds(kLeft, kTop, width, height);
        ASSERT_EQ(display->Width(), width);
        ASSERT_EQ(display->Height(), height);
        ASSERT_EQ(display->Image()->Picture()->Bitmap()->Width(), width);
        ASSERT_EQ(display->Image()->Picture()->Bitmap()->Height(), height);
        // The letter C, switched off, starts at 51 of 70 design columns.
        const int cStart = 51 * width / 70;
        int lit = 0;
        std::set<TColor> seen;
        for (int y = 0; y < height; y += 3) {
            for (int x = 0; x < width; x += 3) {
                const TColor c = Drawn(x, y);
                seen.insert(c);
                if (c == kLit) {
                    ++lit;
                    EXPECT_LT(x, cStart + 1) << "lit at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(lit, 0);
        for (TColor c : seen) {
            EXPECT_TRUE(c == kLit || c == kUnlit || c == clBlack) << std::hex << c;
        }
    }
}

} // namespace
