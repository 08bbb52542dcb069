// Form resources setting the nested properties of the package's classes: pictures read into
// the control's live state bitmaps, and font colours by name or number.

#include "FakeSkinnedControl.h"
#include "Pictures.h"
#include "ResourcePicture.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormReader.h"
#include "platform/controls/TCustomForm.h"
#include "platform/core/Exception.h"
#include "platform/window/MessageLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class TZvForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TZvForm)

    explicit TZvForm(TComponent* Owner) : TForm(Owner) {}

    static const FormClassInfo& Published() {
        static const FormClassInfo info =
            FormClassInfo::Of<TZvForm>("TForm").Field("skin", &TZvForm::skin);
        return info;
    }

    FakeSkinned* skin = nullptr;
};

class ZvPublished : public ::testing::Test {
protected:
    void SetUp() override { FakeSkinned::Publish(); }
    void TearDown() override {
        form.reset();
        MessageLoop::Instance().Reset();
    }
    void Read(const std::string& body) {
        ReadFormResource(*form, TZvForm::Published(),
                         std::string_view("object frm: TZvForm\n  object skin: TFakeSkinned\n" +
                                          body + "  end\nend\n"));
    }

    std::unique_ptr<TZvForm> form = std::make_unique<TZvForm>(nullptr);
};

TEST_F(ZvPublished, PicturesAndColoursOfNestedSetsAreRead) {
    Read("    Appearance.RaisedBmp.Data = " + HexBlock(*SolidBitmap(7, 3, 0x00FF0000)) + "\n" +
         "    Appearance.DisabledBmp.Data = " + HexBlock(*SolidBitmap(2, 2, 0x00808080)) + "\n" +
         "    FontColors.Sunken = clRed\n"
         "    FontColors.Focused = 16711680\n"
         "    FontColors.Disabled = -1\n");
    ASSERT_NE(form->skin, nullptr);
    FakeSkinned& skin = *form->skin;
    EXPECT_EQ(skin.log, (std::vector<std::string>{"changed 0", "changed 3"}))
        << "written into the live state bitmaps, each announcing its change";
    EXPECT_EQ(skin.GetStateBitmap(0)->Width(), 7);
    EXPECT_EQ(TopLeft(*skin.GetStateBitmap(0)), 0x00FF0000u);
    EXPECT_EQ(skin.GetStateBitmap(3)->Width(), 2);
    EXPECT_TRUE(skin.GetStateBitmap(1)->Empty());
    EXPECT_EQ(skin.FontColors()->GetSunken(), clRed);
    EXPECT_EQ(skin.FontColors()->GetFocused(), 0x00FF0000u);
    EXPECT_EQ(skin.FontColors()->GetDisabled(), ZvCtrlFontColor::NotSet);
}

TEST_F(ZvPublished, AValueThatIsNoPictureIsRefusedWithItsLine) {
    try {
        Read("    Left = 1\n    Appearance.SunkenBmp.Data = 12\n");
        FAIL() << "a number was taken for a picture";
    } catch (const EReadError& error) {
        EXPECT_NE(error.Message().find("Line 4"), std::string::npos) << error.Message();
        EXPECT_NE(error.Message().find("ZvFourStateAppearance.SunkenBmp.Data"), std::string::npos)
            << error.Message();
    }
}

TEST_F(ZvPublished, AThreeStateSetHasNoRaisedColour) {
    EXPECT_THROW(Read("    FontColors.Raised = clRed\n"), EPropertyError);
}

} // namespace
