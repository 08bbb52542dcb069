// The text button on a form of the headless window system: where its caption is drawn, in
// which colour, its font's change handler, and the button read from a form resource.

#include "package/ZvButtonTx.h"
#include "ResourcePicture.h"
#include "SkinnedForm.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormReader.h"
#include "platform/core/Exception.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// A 40 x 20 text button at 10, 10 on white pictures, captioned "H" in red.
class ZvButtonTxTest : public SkinnedForm {
protected:
    void SetUp() override {
        SkinnedForm::SetUp();
        button = Place<ZvButtonTx>(10, 10);
        ZvFourStateAppearance& pictures = *button->GetAppearance();
        pictures.SetRaisedBmp(Picture(40, 20, clWhite).get());
        pictures.SetSunkenBmp(Picture(40, 20, clWhite).get());
        pictures.SetFocusedBmp(Picture(40, 20, clWhite).get());
        pictures.SetDisabledBmp(Picture(40, 20, clWhite).get());
        button->Font()->SetHeight(-14);
        button->Font()->SetColor(clRed);
        button->SetText("H");
    }

    // The colours on the button other than its white picture, as the window shows them now,
    // without waiting for pending paints.
    std::set<TColor> CaptionColours() { return ColoursBesides(clWhite, RECT{10, 10, 50, 30}); }
    // The smallest rectangle holding the caption's pixels, in button coordinates.
    RECT CaptionBox() {
        RECT box{1000, 1000, -1, -1};
        Surface& surface = FindWindow(form->Handle())->GetSurface();
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 40; ++x) {
                if (ColorRefFromPixel(surface.Pixel(10 + x, 10 + y)) != clWhite) {
                    box = RECT{std::min(box.left, LONG(x)), std::min(box.top, LONG(y)),
                               std::max(box.right, LONG(x + 1)), std::max(box.bottom, LONG(y + 1))};
                }
            }
        }
        return box;
    }
    static RECT Moved(RECT r, int dx, int dy) {
        return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    }

    ZvButtonTx* button = nullptr;
};

TEST_F(ZvButtonTxTest, TheCaptionMovesOnceWhenTheButtonTurnsSunken) {
    const RECT released = CaptionBox();
    ASSERT_GE(released.right, 0) << "a caption is drawn";
    pointer->MoveTo(20, 20);
    pointer->Press(PointerButton::Left);
    EXPECT_EQ(CaptionBox(), Moved(released, 1, 1)) << "centred in (2, 2, right, bottom)";
    button->Repaint();
    EXPECT_EQ(CaptionBox(), released) << "a repaint while sunken draws it in its place";
    pointer->Release(PointerButton::Left);
    EXPECT_EQ(CaptionBox(), released);

    button->SetDisp(6, 6);
    EXPECT_EQ(CaptionBox(), released) << "a new displacement is not drawn at once";
    pointer->Press(PointerButton::Left);
    EXPECT_EQ(CaptionBox(), Moved(released, 3, 3));
}

TEST_F(ZvButtonTxTest, TheCaptionIsCentredInTheSizeAskedForWhileTheSizeIsLocked) {
    const RECT centred = CaptionBox();
    button->SetBounds(10, 10, 20, 10);
    EXPECT_EQ(button->Width(), 40);
    EXPECT_EQ(CaptionBox(), Moved(centred, -10, -5));
}

TEST_F(ZvButtonTxTest, DisabledTextIsGreyTextUnlessADisabledColourIsSet) {
    const TColor grey = GetSysColor(COLOR_GRAYTEXT);
    EXPECT_TRUE(CaptionColours().contains(clRed));
    button->SetEnabled(false);
    EXPECT_TRUE(CaptionColours().contains(grey)) << "also with a font colour set";
    EXPECT_FALSE(CaptionColours().contains(clRed));
    button->GetFontColors()->SetDisabled(clBlue);
    EXPECT_TRUE(CaptionColours().contains(clBlue)) << "a colour change repaints at once";
    EXPECT_FALSE(CaptionColours().contains(grey));
}

struct ColourCase {
    const char* name;
    TColor sunken, focused, disabled; // the set's colours
    TColor font;
    int state;
    TColor drawn;
};

class ZvButtonTxColour : public ZvButtonTxTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(ZvButtonTxColour, FollowsTheThreeStateRule) {
    const ColourCase& c = GetParam();
    ZvThreeStateFontColor colours;
    colours.SetSunken(c.sunken);
    colours.SetFocused(c.focused);
    colours.SetDisabled(c.disabled);
    button->SetFontColors(&colours);
    button->Font()->SetColor(c.font);
    button->ShowBitmap(c.state);
    EXPECT_EQ(button->GetFontColorOfCurState(), c.drawn);
    EXPECT_TRUE(CaptionColours().contains(c.drawn));
}

constexpr TColor kNotSet = ZvCtrlFontColor::NotSet;

INSTANTIATE_TEST_SUITE_P(
    Cases, ZvButtonTxColour,
    ::testing::Values(ColourCase{"raised_takes_the_font", clLime, clBlue, clGray, clRed, 0, clRed},
                      ColourCase{"sunken", clLime, clBlue, clGray, clRed, 1, clLime},
                      ColourCase{"focused", clLime, clBlue, clGray, clRed, 2, clBlue},
                      ColourCase{"disabled", clLime, clBlue, clGray, clRed, 3, clGray},
                      ColourCase{"sunken_not_set", kNotSet, clBlue, clGray, clRed, 1, clRed},
                      ColourCase{"focused_not_set", clLime, kNotSet, clGray, clRed, 2, clRed},
                      ColourCase{"disabled_not_set", clLime, clBlue, kNotSet, clRed, 3,
                                 GetSysColor(COLOR_GRAYTEXT)},
                      ColourCase{"system_colours_resolved", clBtnText, clBlue, clGray, clRed, 1,
                                 GetSysColor(COLOR_BTNTEXT)},
                      ColourCase{"font_system_colour", kNotSet, clBlue, clGray, clWindowText, 1,
                                 GetSysColor(COLOR_WINDOWTEXT)}),
    [](const ::testing::TestParamInfo<ColourCase>& info) { return std::string(info.param.name); });

struct ReplacedPicture {
    const char* name;
    int state;
    void (ZvFourStateAppearance::*set)(TBitmap*);
};

class ZvButtonTxReplaced : public ZvButtonTxTest,
                           public ::testing::WithParamInterface<ReplacedPicture> {};

// Replacing the picture on show paints it anew; the caption stays over it, also once pending
// paints are done.
TEST_P(ZvButtonTxReplaced, TheCaptionStaysOverTheNewPicture) {
    const ReplacedPicture& c = GetParam();
    button->ShowBitmap(c.state);
    ASSERT_FALSE(CaptionColours().empty());
    (button->GetAppearance()->*c.set)(Picture(40, 20, clWhite).get());
    MessageLoop::Instance().ProcessMessages();
    EXPECT_FALSE(CaptionColours().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZvButtonTxReplaced,
    ::testing::Values(ReplacedPicture{"raised", 0, &ZvFourStateAppearance::SetRaisedBmp},
                      ReplacedPicture{"sunken", 1, &ZvFourStateAppearance::SetSunkenBmp},
                      ReplacedPicture{"focused", 2, &ZvFourStateAppearance::SetFocusedBmp},
                      ReplacedPicture{"disabled", 3, &ZvFourStateAppearance::SetDisabledBmp}),
    [](const ::testing::TestParamInfo<ReplacedPicture>& info) {
        return std::string(info.param.name);
    });

TEST_F(ZvButtonTxTest, AnEmptyCaptionDrawsNothingWhileThePictureIsPainted) {
    button->SetText("");
    EXPECT_TRUE(CaptionColours().empty());
}

TEST_F(ZvButtonTxTest, ACaptionChangedThroughThePlatformsOwnSetterIsDrawn) {
    TControl* control = button;
    control->SetCaption("");
    MessageLoop::Instance().ProcessMessages();
    EXPECT_TRUE(CaptionColours().empty());
    control->SetCaption("H");
    MessageLoop::Instance().ProcessMessages();
    EXPECT_EQ(CaptionColours(), (std::set<TColor>{clRed}));
}

// A button that changes its font while the parts below the text part are taken down, as a
// platform might during destruction, and counts the calls of the font's own handler.
class FontChangedInTeardown : public ZvButton {
public:
    FontChangedInTeardown(TComponent* owner) : ZvButton(owner) {
        TNotifyEvent platform = Font()->OnChange;
        Font()->OnChange = [this, platform](TObject* sender) {
            ++platformCalls;
            platform(sender);
        };
    }
    ~FontChangedInTeardown() override {
        int before = platformCalls;
        Font()->SetColor(clLime);
        *callsInTeardown = platformCalls - before;
    }
    int platformCalls = 0;
    int* callsInTeardown = nullptr;
};

class TextOverTeardownProbe : public ZvTextVariant<FontChangedInTeardown, ZvThreeStateFontColor> {
public:
    using ZvTextVariant::ZvTextVariant;
    TColor GetFontColorOfCurState() override { return clBlack; }
};

TEST_F(ZvButtonTxTest, DestroyingTheTextPartGivesTheFontItsHandlerBack) {
    int callsInTeardown = -1;
    auto* probe = Place<TextOverTeardownProbe>(60, 10);
    probe->callsInTeardown = &callsInTeardown;
    probe->Font()->SetColor(clBlue);
    EXPECT_EQ(probe->platformCalls, 1) << "the text part calls the handler it found";
    // Were the text part's handler left in place, this change would run it on its destroyed
    // part.
    delete probe;
    EXPECT_EQ(callsInTeardown, 1);
}

class TTxForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TTxForm)

    explicit TTxForm(TComponent* owner) : TForm(owner) {}

    static const FormClassInfo& Published() {
        static const FormClassInfo info = FormClassInfo::Of<TTxForm>("TForm")
                                              .Field("abOk", &TTxForm::abOk)
                                              .Method("abOkClick", &TTxForm::abOkClick)
                                              .Method("abOkKeyPress", &TTxForm::abOkKeyPress);
        return info;
    }

    void abOkClick(TObject*) { ++clicks; }
    void abOkKeyPress(TObject*, char& key) { key = 'y'; }

    ZvButtonTx* abOk = nullptr;
    int clicks = 0;
};

class ZvButtonTxResource : public ::testing::Test {
protected:
    void SetUp() override { PublishZvButtonTx(); }
    void TearDown() override {
        form.reset();
        MessageLoop::Instance().Reset();
    }
    void Read(const std::string& className, const std::string& body) {
        ReadFormResource(*form, TTxForm::Published(),
                         std::string_view("object frm: TTxForm\n  object abOk: " + className +
                                          "\n" + body + "  end\nend\n"));
    }

    std::unique_ptr<TTxForm> form = std::make_unique<TTxForm>(nullptr);
};

TEST_F(ZvButtonTxResource, SetsEveryPublishedProperty) {
    Read("ZvButtonTx", "    Left = 331\n    Top = 26\n    Width = 16\n    Height = 16\n"
                       "    Tag = 4\n    Cursor = crHandPoint\n    Hint = 'Minimise'\n"
                       "    HelpContext = 9\n    ShowHint = True\n    Enabled = False\n"
                       "    Visible = False\n    TabOrder = 0\n    TabStop = True\n"
                       "    ModalResult = 2\n    ShowMouseOver = False\n"
                       "    TransparentColor = 13027486\n    Transparent = True\n"
                       "    Caption = 'Go'\n    Font.Color = clBlue\n    Font.Height = -9\n"
                       "    FontColors.Sunken = clLime\n    FontColors.Disabled = clMaroon\n"
                       "    Appearance.RaisedBmp.Data = " +
                           HexPicture(12, 8, clRed, 3) +
                           "\n    Appearance.SunkenBmp.Data = " + HexPicture(12, 8, clLime, 3) +
                           "\n    OnClick = abOkClick\n    OnKeyPress = abOkKeyPress\n");
    ASSERT_NE(form->abOk, nullptr);
    ZvButtonTx& b = *form->abOk;
    EXPECT_EQ(b.BoundsRect(), (RECT{331, 26, 343, 34})) << "the size of the raised picture";
    EXPECT_EQ(b.Tag(), 4);
    EXPECT_EQ(b.Cursor(), TCursor(-21)) << "crHandPoint";
    EXPECT_EQ(b.Hint(), "Minimise");
    EXPECT_EQ(b.HelpContext(), 9);
    EXPECT_TRUE(b.ShowHint());
    EXPECT_FALSE(b.Enabled());
    EXPECT_FALSE(b.Visible());
    EXPECT_EQ(b.TabOrder(), 0);
    EXPECT_TRUE(b.TabStop());
    EXPECT_EQ(b.GetModalResult(), 2);
    EXPECT_FALSE(b.GetShowMouseOver());
    EXPECT_EQ(b.GetTransparentColor(), TColor(13027486)) << "set after the picture's own";
    EXPECT_TRUE(b.GetTransparent());
    EXPECT_EQ(b.GetText(), "Go");
    EXPECT_EQ(b.Font()->Color(), clBlue);
    EXPECT_EQ(b.Font()->Height(), -9);
    EXPECT_EQ(b.GetFontColors()->GetSunken(), clLime);
    EXPECT_EQ(b.GetFontColors()->GetDisabled(), clMaroon);
    EXPECT_EQ(b.GetStateBitmap(1)->Width(), 12);
    EXPECT_TRUE(b.IsStateEmpty(2));
    ASSERT_TRUE(b.OnClick);
    b.OnClick(&b);
    EXPECT_EQ(form->clicks, 1);
    char key = ' ';
    b.OnKeyPress(&b, key);
    EXPECT_EQ(key, 'y');
}

TEST_F(ZvButtonTxResource, ReadAsItsRawBytesTheRegionIsTheRaisedPicturesShape) {
    Read("ZvButtonTx", "    Transparent = True\n    Appearance.RaisedBmp.Data = " +
                           HexPicture(12, 8, clRed, 3) + "\n    TransparentColor = clFuchsia\n");
    ZvButtonTx& b = *form->abOk;
    EXPECT_FALSE(b.PointInside(1, 1));
    EXPECT_TRUE(b.PointInside(5, 1));
}

TEST_F(ZvButtonTxResource, APlainButtonHasNoCaptionAndNeitherHasClicksDisabled) {
    struct Case {
        const char* className;
        const char* property;
    };
    for (Case c : {Case{"ZvButton", "Caption = 'Go'"}, Case{"ZvButton", "ClicksDisabled = True"},
                   Case{"ZvButtonTx", "ClicksDisabled = True"}}) {
        form = std::make_unique<TTxForm>(nullptr);
        EXPECT_THROW(Read(c.className, std::string("    ") + c.property + "\n"), EPropertyError)
            << c.className << " " << c.property;
    }
}

} // namespace
