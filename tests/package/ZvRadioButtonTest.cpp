// The radio buttons on a form of the headless window system: which buttons a checked one
// unchecks (those of exactly its class's kind on its parent), clicks and double clicks, and a
// button read from a form resource.

#include "Pictures.h"
#include "ResourcePicture.h"
#include "SkinnedForm.h"
#include "package/ZvRadioButtonTx.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormReader.h"
#include "platform/controls/TCustomPanel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// On the form: plain buttons a, b, c and text buttons t, u; on a panel: plain button p.
class ZvRadioButtonTest : public SkinnedForm {
protected:
    void SetUp() override {
        SkinnedForm::SetUp();
        a = Place<ZvRadioButton>(0, 0);
        b = Place<ZvRadioButton>(20, 0);
        c = Place<ZvRadioButton>(40, 0);
        t = Place<ZvRadioButtonTx>(60, 0);
        u = Place<ZvRadioButtonTx>(80, 0);
        panel = Place<TPanel>(0, 40);
        p = new ZvRadioButton(form.get());
        p->SetParent(panel);
        for (ZvRadioButton* button : All()) {
            button->SetBounds(button->Left(), button->Top(), 10, 10);
            button->SetStateBitmap(Picture(10, 10, clRed).get(), 0);
            button->SetStateBitmap(Picture(10, 10, clLime).get(), 4);
        }
        b->OnClick = [this](TObject*) { events.push_back("click"); };
        b->OnDblClick = [this](TObject*) { events.push_back("double click"); };
    }
    std::vector<ZvRadioButton*> All() { return {a, b, c, t, u, p}; }
    // The Checked of a, b, c, t, u and p, in that order.
    std::string Checked() {
        std::string flags;
        for (ZvRadioButton* button : All()) {
            flags += button->GetChecked() ? 'x' : '-';
        }
        return flags;
    }

    ZvRadioButton *a = nullptr, *b = nullptr, *c = nullptr, *p = nullptr;
    ZvRadioButtonTx *t = nullptr, *u = nullptr;
    TPanel* panel = nullptr;
    std::vector<std::string> events;
};

TEST_F(ZvRadioButtonTest, CheckingUnchecksThePlainButtonsOfItsParentOnly) {
    struct Step {
        const char* what;
        ZvRadioButton* checked;
        const char* after; // a b c t u p
    };
    for (Step step : {Step{"p, on the panel", p, "-----x"}, Step{"a", a, "x----x"},
                      Step{"t, a text button", t, "---x-x"},
                      Step{"u leaves the other text button", u, "---xxx"},
                      Step{"c leaves the text buttons", c, "--xxxx"}, Step{"b", b, "-x-xxx"}}) {
        step.checked->SetChecked(true);
        EXPECT_EQ(Checked(), step.after) << step.what;
    }
    EXPECT_EQ(Screen(25, 5), clLime) << "b shows its checked picture";
    EXPECT_EQ(Screen(45, 5), clRed) << "c shows its unchecked picture at once";
    b->SetChecked(false);
    EXPECT_EQ(Checked(), "---xxx") << "unchecking from code leaves the others alone";
    EXPECT_TRUE(events.empty()) << "no events from code";
}

TEST_F(ZvRadioButtonTest, AClickOnACheckedButtonKeepsItCheckedAndFiresOnClick) {
    a->SetChecked(true);
    pointer->Click(PointerButton::Left, 25, 5);
    EXPECT_EQ(Checked(), "-x----");
    clock.Advance(1000); // not a double click
    pointer->Click(PointerButton::Left, 25, 5);
    EXPECT_EQ(Checked(), "-x----");
    EXPECT_EQ(events, (std::vector<std::string>{"click", "click"}));
}

TEST_F(ZvRadioButtonTest, ADoubleClickFiresOnClickThenOnDblClickAndLeavesItChecked) {
    pointer->Click(PointerButton::Left, 25, 5);
    b->SetChecked(false);
    pointer->PressAsDoubleClick(PointerButton::Left);
    pointer->Release(PointerButton::Left);
    EXPECT_TRUE(b->GetChecked());
    EXPECT_EQ(events, (std::vector<std::string>{"click", "double click"}));
}

TEST_F(ZvRadioButtonTest, ASpaceCharacterClicks) {
    b->SetFocus();
    keyboard->Type(VK_SPACE, ' ');
    EXPECT_TRUE(b->GetChecked());
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));
}

TEST(ZvRadioButtonAlone, WithoutAParentItCanBeChecked) {
    ZvRadioButton alone(nullptr);
    alone.Click();
    EXPECT_TRUE(alone.GetChecked());
    EXPECT_EQ(alone.GetCurState(), 4);
}

TEST_F(ZvRadioButtonTest, WithoutCheckedPicturesTheUncheckedOnesShow) {
    ZvRadioButton* bare = Place<ZvRadioButton>(100, 0);
    bare->SetStateBitmap(Picture(10, 10, clBlue).get(), 0);
    bare->SetChecked(true);
    EXPECT_EQ(Screen(105, 5), clBlue);
}

class TRadioForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TRadioForm)

    explicit TRadioForm(TComponent* owner) : TForm(owner) {}

    static const FormClassInfo& Published() {
        static const FormClassInfo info = FormClassInfo::Of<TRadioForm>("TForm")
                                              .Field("rb", &TRadioForm::rb)
                                              .Method("rbDblClick", &TRadioForm::rbDblClick);
        return info;
    }
    void rbDblClick(TObject*) { ++doubleClicks; }

    ZvRadioButtonTx* rb = nullptr;
    int doubleClicks = 0;
};

TEST(ZvRadioButtonResource, SetsEveryPropertyOfTheButtonAndItsNestedSets) {
    PublishZvRadioButtonTx();
    {
        TRadioForm form(nullptr);
        ReadFormResource(form, TRadioForm::Published(),
                         std::string_view("object frm: TRadioForm\n  object rb: ZvRadioButtonTx\n"
                                          "    Checked = True\n    ClicksDisabled = True\n"
                                          "    ShowMouseOver = False\n    Caption = 'Fast'\n"
                                          "    FontColors.Check.Sunken = clLime\n"
                                          "    FontColors.Uncheck.Disabled = clMaroon\n"
                                          "    OnDblClick = rbDblClick\n"
                                          "    Appearance.Check.RaisedBmp.Data = " +
                                          HexPicture(12, 7, clRed) + "\n  end\nend\n"));
        ASSERT_NE(form.rb, nullptr);
        ZvRadioButtonTx& b = *form.rb;
        EXPECT_TRUE(b.GetChecked());
        EXPECT_TRUE(b.GetClicksDisabled());
        EXPECT_FALSE(b.GetShowMouseOver());
        EXPECT_EQ(b.GetText(), "Fast");
        EXPECT_EQ(b.GetFontColors()->GetCheck()->GetSunken(), clLime);
        EXPECT_EQ(b.GetFontColors()->GetUncheck()->GetDisabled(), clMaroon);
        EXPECT_EQ(TopLeft(*b.GetStateBitmap(4)), PixelFromColorRef(clRed));
        ASSERT_TRUE(b.OnDblClick);
        b.OnDblClick(&b);
        EXPECT_EQ(form.doubleClicks, 1);
    }
    MessageLoop::Instance().Reset();
}

} // namespace
