// The panel that hides on the design surface: its window region at run time and at design
// time, read from a form resource in both modes with a shaped button beside it, and the
// palette of the whole package.

#include "package/ZvPanel.h"
#include "ResourcePicture.h"
#include "SkinnedForm.h"
#include "package/ZvButton.h"
#include "package/ZvCheckBox.h"
#include "package/ZvComponents.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/binding/ComponentPalette.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormReader.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The window's region: ERROR for none, else the region's kind, with whether (x, y) is in it.
struct Shape {
    int kind;
    bool contains;
};

Shape ShapeOf(TWinControl& control, int x, int y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    Shape shape{GetWindowRgn(control.Handle(), region), false};
    shape.contains = shape.kind != ERROR && PtInRegion(region, x, y);
    DeleteObject(region);
    return shape;
}

class ZvPanelTest : public SkinnedForm {
protected:
    ZvPanel* PlacePanel() {
        auto* panel = Place<ZvPanel>(10, 10);
        panel->SetBounds(10, 10, 50, 30);
        return panel;
    }
};

TEST_F(ZvPanelTest, AtRunTimeDesignTimeVisibleChangesNothing) {
    ZvPanel* panel = PlacePanel();
    panel->SetDesignTimeVisible(false);
    EXPECT_TRUE(panel->GetDesignTimeVisible());
    EXPECT_EQ(ShapeOf(*panel, 5, 5).kind, ERROR) << "no region: the whole panel shows";
}

TEST_F(ZvPanelTest, AtDesignTimeHidingEmptiesTheRegionAndShowingTakesItAway) {
    form->SetDesigning(true);
    ZvPanel* panel = PlacePanel();
    panel->SetDesignTimeVisible(false);
    EXPECT_FALSE(panel->GetDesignTimeVisible());
    Shape hidden = ShapeOf(*panel, 5, 5);
    EXPECT_NE(hidden.kind, ERROR);
    EXPECT_FALSE(hidden.contains);
    panel->SetDesignTimeVisible(true);
    EXPECT_TRUE(panel->GetDesignTimeVisible());
    EXPECT_EQ(ShapeOf(*panel, 5, 5).kind, ERROR) << "the full rectangle again";
}

TEST_F(ZvPanelTest, AtDesignTimeTheValueItHasDoesNothing) {
    form->SetDesigning(true);
    ZvPanel* panel = PlacePanel();
    panel->SetDesignTimeVisible(false);
    SetWindowRgn(panel->Handle(), CreateRectRgn(0, 0, 8, 8), TRUE);
    panel->SetDesignTimeVisible(false);
    EXPECT_TRUE(ShapeOf(*panel, 5, 5).contains) << "the region set in between stays";
}

TEST_F(ZvPanelTest, AtDesignTimeAHiddenPanelPlacedInAParentAgainStaysHidden) {
    form->SetDesigning(true);
    ZvPanel* panel = PlacePanel();
    panel->SetDesignTimeVisible(false);
    panel->SetParent(nullptr);
    panel->SetParent(form.get());
    Shape hidden = ShapeOf(*panel, 5, 5);
    EXPECT_NE(hidden.kind, ERROR) << "the new window is hidden too";
    EXPECT_FALSE(hidden.contains);
    panel->SetDesignTimeVisible(true);
    EXPECT_EQ(ShapeOf(*panel, 5, 5).kind, ERROR);

    auto* unplaced = new ZvPanel(form.get());
    unplaced->SetDesigning(true);
    unplaced->SetDesignTimeVisible(false);
    EXPECT_FALSE(unplaced->HandleAllocated()) << "no window without a parent";
    unplaced->SetParent(form.get());
    EXPECT_FALSE(ShapeOf(*unplaced, 5, 5).contains) << "hidden once it has one";
}

TEST_F(ZvPanelTest, AtDesignTimeAHiddenPanelLetsTheMouseReachTheControlBeneath) {
    form->SetDesigning(true);
    auto* beneath = Place<ZvCheckBox>(20, 20);
    beneath->SetStateBitmap(Picture(10, 10, clRed).get(), 0);
    ZvPanel* panel = PlacePanel();
    pointer->Click(PointerButton::Left, 25, 25);
    EXPECT_EQ(beneath->GetState(), cbUnchecked) << "the panel takes the click";
    panel->SetDesignTimeVisible(false);
    pointer->Click(PointerButton::Left, 25, 25);
    EXPECT_EQ(beneath->GetState(), cbChecked);
}

class TPanelForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TPanelForm)

    explicit TPanelForm(TComponent* owner) : TForm(owner) {}

    static const FormClassInfo& Published() {
        static const FormClassInfo info = FormClassInfo::Of<TPanelForm>("TForm")
                                              .Field("pnl", &TPanelForm::pnl)
                                              .Field("btn", &TPanelForm::btn);
        return info;
    }

    ZvPanel* pnl = nullptr;
    ZvButton* btn = nullptr;
};

TEST(ZvPanelResource, AHiddenPanelIsHiddenOnlyWhenReadForDesign) {
    PublishZvPanel();
    const std::string text = "object frm: TPanelForm\n  Width = 120\n  Height = 80\n"
                             "  object pnl: ZvPanel\n    Left = 4\n    Width = 60\n"
                             "    Height = 30\n    BevelOuter = bvLowered\n"
                             "    DesignTimeVisible = False\n  end\nend\n";
    for (FormReadMode mode : {FormReadMode::Run, FormReadMode::Design}) {
        bool design = mode == FormReadMode::Design;
        {
            TPanelForm form(nullptr);
            ReadFormResource(form, TPanelForm::Published(), std::string_view(text), mode);
            ASSERT_NE(form.pnl, nullptr);
            EXPECT_EQ(form.pnl->BevelOuter(), bvLowered);
            EXPECT_EQ(form.pnl->GetDesignTimeVisible(), !design) << design;
            EXPECT_EQ(ShapeOf(*form.pnl, 5, 5).kind != ERROR, design) << design;
        }
        MessageLoop::Instance().Reset();
    }
}

TEST(ZvPanelResource, AShapedButtonReadForDesignKeepsItsFullWindow) {
    PublishZvButton();
    const std::string text = "object frm: TPanelForm\n  object btn: ZvButton\n"
                             "    Transparent = True\n    Appearance.RaisedBmp.Data = " +
                             HexPicture(12, 8, clRed) +
                             "\n    TransparentColor = clRed\n  end\nend\n";
    for (FormReadMode mode : {FormReadMode::Run, FormReadMode::Design}) {
        bool design = mode == FormReadMode::Design;
        {
            TPanelForm form(nullptr);
            ReadFormResource(form, TPanelForm::Published(), std::string_view(text), mode);
            ASSERT_NE(form.btn, nullptr);
            EXPECT_EQ(ShapeOf(*form.btn, 5, 5).kind == ERROR, design)
                << (design ? "no region on the design surface" : "shaped when run");
        }
        MessageLoop::Instance().Reset();
    }
}

TEST(ZvPalette, HoldsTheEightClassesOnTheirTwoPagesInRegistrationOrder) {
    RegisterZvComponents();
    RegisterZvComponents();
    const std::vector<PalettePage>& pages = PalettePages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].Name, "ZvComponents");
    EXPECT_EQ(pages[0].Classes, (std::vector<std::string>{"ZvButton", "ZvCheckBox", "ZvRadioButton",
                                                          "ZvPanel", "ZvNumLed"}));
    EXPECT_EQ(pages[1].Name, "ZvComponentsTx");
    EXPECT_EQ(pages[1].Classes,
              (std::vector<std::string>{"ZvButtonTx", "ZvCheckBoxTx", "ZvRadioButtonTx"}));
    for (const PalettePage& page : pages) {
        for (const std::string& cls : page.Classes) {
            const PublishedClass* published = ClassRegistry::Instance().Find(cls);
            ASSERT_NE(published, nullptr) << cls;
            EXPECT_TRUE(published->Creatable()) << cls;
        }
    }
}

} // namespace
