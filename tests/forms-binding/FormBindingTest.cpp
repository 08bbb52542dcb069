// Reading form resources into forms: every kind of published property, the order and places
// of the components made, references and handlers, and the refusal of bad resources with the
// line they are on.

#include "BindingForm.h"
#include "platform/application/TTimer.h"
#include "platform/binding/FormReader.h"
#include "platform/binding/FormResource.h"
#include "platform/controls/TCustomImageList.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TPicture.h"
#include "platform/controls/TTrayIcon.h"
#include "platform/core/Exception.h"
#include "platform/forms/EParserError.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/window/MessageLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class FormBinding : public ::testing::Test {
protected:
    void TearDown() override {
        form.reset();
        MessageLoop::Instance().Reset();
    }
    void Read(const std::string& text) {
        ReadFormResource(*form, TBindingForm::Published(), std::string_view(text));
    }
    template <class T> T* Find(const std::string& name) {
        return dynamic_cast<T*>(form->FindComponent(name));
    }

    std::unique_ptr<TBindingForm> form = std::make_unique<TBindingForm>(nullptr);
};

TEST_F(FormBinding, SetsEveryKindOfPropertyAndMakesTheComponentsInTheirPlaces) {
    Read(R"(object frmBinding: TBindingForm
  Left = 447
  Top = -4
  ClientWidth = 490
  ClientHeight = 218
  BorderStyle = bsNone
  Caption = 'It''s'#13#10'here'
  Color = clBtnFace
  Font.Name = 'Arial'
  Font.Height = -11
  Font.Style = [fsBold, fsItalic]
  Font.Charset = SHIFTJIS_CHARSET
  Position = poScreenCenter
  OnShow = FormShow
  object imgBack: TImage
    Width = 4
    Height = 2
    Picture.Data = 'strip.bmp'
    Transparent = True
    OnMouseDown = AnyMouseDown
  end
  object Panel1: TPanel
    Color = 16744448
    TabOrder = 1
    object Inner: TEdit
      Text = 'x'
    end
  end
  object Button1: TButton
    TabOrder = 0
    Caption = 'Go'
    OnClick = AnyClick
  end
  object lbTitle: TLabel
    AutoSize = False
    Alignment = taCenter
    Font.Color = clLime
    Caption = 'CPU Frequency'
  end
  object Tray: TTrayIcon
    Icons = Images
    IconIndex = 1
    PopupMenu = frmBinding.Menu1
    PopupMenuOn = imRightClickUp
    Hide = True
    Visible = True
  end
  object Images: TImageList
    Width = 2
    Height = 2
    Bitmap = 'strip.bmp'
  end
  object Menu1: TPopupMenu
    object Restore1: TMenuItem
      Caption = 'Restore'
      OnClick = AnyClick
    end
    object Close1: TMenuItem
      Caption = 'Close'
    end
  end
  object Timer1: TTimer
    Interval = 250
    Enabled = False
  end
  object Memo1: TMemo
    Lines.Strings = (
      'one'
      'two')
  end
end
)");
    EXPECT_EQ(form->Name(), "frmBinding");
    EXPECT_EQ(form->BoundsRect(), (RECT{447, -4, 447 + 490, -4 + 218}));
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_EQ(form->Caption(), "It's\r\nhere");
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(form->Font()->Name(), "Arial");
    EXPECT_EQ(form->Font()->Height(), -11);
    EXPECT_EQ(form->Font()->Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(form->Font()->Charset(), 128);
    EXPECT_EQ(form->Position(), poScreenCenter);

    // Non-windowed controls first, then windowed ones, each in resource order.
    ASSERT_EQ(form->ControlCount(), 5);
    const char* order[] = {"imgBack", "lbTitle", "Panel1", "Button1", "Memo1"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(form->Controls(i)->Name(), order[i]);
    }
    EXPECT_EQ(Find<TEdit>("Inner")->Parent(), Find<TPanel>("Panel1"));
    EXPECT_EQ(Find<TEdit>("Inner")->Owner(), form.get()) << "the form owns every component";
    EXPECT_EQ(Find<TButton>("Button1")->TabOrder(), 0);
    EXPECT_EQ(Find<TPanel>("Panel1")->TabOrder(), 1);
    EXPECT_EQ(Find<TPanel>("Panel1")->Color(), 0xFF8000u);

    auto* image = Find<TImage>("imgBack");
    EXPECT_EQ(image->Picture()->Width(), 4);
    EXPECT_EQ(image->Picture()->Bitmap()->PixelRow(0)[0], 0xFF0000u) << "red, as in the file";
    EXPECT_TRUE(image->Picture()->Bitmap()->Transparent());

    auto* label = Find<TLabel>("lbTitle");
    EXPECT_EQ(label->Font()->Color(), clLime);
    EXPECT_EQ(label->Font()->Name(), "Arial") << "the rest comes from the form";
    EXPECT_FALSE(label->ParentFont());
    EXPECT_EQ(label->Alignment(), taCenter);
    EXPECT_EQ(label->Width(), 65) << "without AutoSize the label keeps its size";

    auto* images = Find<TImageList>("Images");
    EXPECT_EQ(images->Count(), 2);
    auto* tray = Find<TTrayIcon>("Tray");
    EXPECT_EQ(tray->Icons(), images) << "a reference to a component further down";
    EXPECT_EQ(tray->PopupMenu(), Find<TPopupMenu>("Menu1"));
    EXPECT_EQ(tray->PopupMenuOn(), imRightClickUp);
    EXPECT_NE(tray->TrayId(), 0) << "shown once loaded";

    ASSERT_EQ(form->Menu1->Items()->Count(), 2);
    EXPECT_EQ(form->Menu1->Items()->Items(0)->Caption(), "Restore");
    EXPECT_EQ(form->Menu1->Items()->Items(1)->Name(), "Close1");
    EXPECT_EQ(Find<TTimer>("Timer1")->Interval(), 250u);
    EXPECT_EQ(Find<TMemo>("Memo1")->Lines(), (std::vector<std::string>{"one", "two"}));

    EXPECT_EQ(form->Button1, Find<TButton>("Button1")) << "fields receive their components";
    EXPECT_EQ(form->lbTitle, label);
    for (TComponent* c : {static_cast<TComponent*>(form.get()), form->FindComponent("Timer1")}) {
        EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << c->Name();
    }

    form->Button1->Click();
    form->Menu1->Items()->Items(0)->Click();
    image->OnMouseDown(image, mbLeft, {}, 3, 1);
    form->Show();
    EXPECT_EQ(form->handled, (std::vector<std::string>{"AnyClick Button1", "AnyClick Restore1",
                                                       "AnyMouseDown 3,1", "FormShow"}));
}

struct BadResource {
    const char* name;
    const char* body; // the lines after "object frmBinding: TBindingForm"
    int line;
    const char* kind;
    const char* says;
    friend void PrintTo(const BadResource& c, std::ostream* os) { *os << c.name; }
};

class BadResources : public FormBinding, public ::testing::WithParamInterface<BadResource> {};

TEST_P(BadResources, AreRefusedWithTheLine) {
    const BadResource& c = GetParam();
    std::string text = std::string("object frmBinding: TBindingForm\n") + c.body + "end\n";
    try {
        Read(text);
        FAIL() << c.name << ": accepted";
    } catch (const Exception& e) {
        std::string expectedStart = "Line " + std::to_string(c.line) + ": ";
        EXPECT_EQ(e.Message().rfind(expectedStart, 0), 0u) << e.Message();
        EXPECT_NE(e.Message().find(c.says), std::string::npos) << e.Message();
        std::string kind = c.kind;
        bool rightKind = (kind == "class" && dynamic_cast<const EClassNotFound*>(&e)) ||
                         (kind == "property" && dynamic_cast<const EPropertyError*>(&e)) ||
                         (kind == "read" && dynamic_cast<const EReadError*>(&e)) ||
                         (kind == "graphic" && dynamic_cast<const EInvalidGraphic*>(&e)) ||
                         (kind == "component" && dynamic_cast<const EComponentError*>(&e)) ||
                         (kind == "parser" && dynamic_cast<const EParserError*>(&e));
        EXPECT_TRUE(rightKind) << c.name << ": " << e.Message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadResources,
    ::testing::Values(
        BadResource{"unknown class", "  object X: TNoSuchThing\n  end\n", 2, "class",
                    "TNoSuchThing"},
        BadResource{"a class no resource creates", "  object X: TControl\n  end\n", 2, "class",
                    "cannot be created"},
        BadResource{"unknown property", "  Caption = 'a'\n  Wobble = 1\n", 3, "property",
                    "'Wobble'"},
        BadResource{"unknown nested property", "  Font.Wobble = 1\n", 2, "property", "TFont"},
        BadResource{"a value for an object", "  Font = 3\n", 2, "property", "is an object"},
        BadResource{"a path through a value", "  Width.Low = 3\n", 2, "property",
                    "no properties of its own"},
        BadResource{"integer out of range", "  Width = 99999999999\n", 2, "read", "out of range"},
        BadResource{"unsigned out of range", "  object T: TTimer\n    Interval = -1\n  end\n", 3,
                    "read", "out of range"},
        BadResource{"string for an integer", "  Width = 'wide'\n", 2, "read", "an integer"},
        BadResource{"integer for a string", "  Caption = 12\n", 2, "read", "a string"},
        BadResource{"not a boolean", "  object I: TImage\n    Stretch = Yes\n  end\n", 3, "read",
                    "True or False"},
        BadResource{"unknown enumeration value", "  BorderStyle = bsWobbly\n", 2, "read",
                    "'bsWobbly'"},
        BadResource{"unknown set element", "  Font.Style = [fsBold, fsShiny]\n", 2, "read",
                    "'fsShiny'"},
        BadResource{"unknown colour", "  Color = clChartreuse\n", 2, "read", "'clChartreuse'"},
        BadResource{"unknown character set", "  Font.Charset = KLINGON_CHARSET\n", 2, "read",
                    "KLINGON_CHARSET"},
        BadResource{"unknown handler", "  OnShow = NoSuchMethod\n", 2, "read", "'NoSuchMethod'"},
        BadResource{"handler of other parameters", "  OnShow = AnyMouseDown\n", 2, "read",
                    "parameters of TCustomForm.OnShow"},
        BadResource{"unknown reference", "  object T: TTrayIcon\n    PopupMenu = Menu9\n  end\n", 3,
                    "read", "'Menu9'"},
        BadResource{"reference of another class",
                    "  object T: TTrayIcon\n    PopupMenu = Tick\n  end\n"
                    "  object Tick: TTimer\n  end\n",
                    3, "read", "TTimer, not a TPopupMenu"},
        BadResource{"reference into another form",
                    "  object T: TTrayIcon\n    PopupMenu = Other.Menu\n  end\n", 3, "read",
                    "'Other'"},
        BadResource{"duplicate name", "  object A: TTimer\n  end\n  object a: TTimer\n  end\n", 4,
                    "component", "already exists"},
        BadResource{"control in a label",
                    "  object L: TLabel\n    object I: TImage\n    end\n  end\n", 3, "read",
                    "cannot hold the control I"},
        BadResource{"menu item outside a menu", "  object M: TMenuItem\n  end\n", 2, "read",
                    "not inside a menu"},
        BadResource{"component inside a control",
                    "  object P: TPanel\n    object T: TTimer\n    end\n  end\n", 3, "read",
                    "directly under the form"},
        BadResource{"field of another class", "  object Button1: TLabel\n  end\n", 2, "read",
                    "field Button1"},
        BadResource{"picture not built in",
                    "  object I: TImage\n    Picture.Data = 'missing.bmp'\n  end\n", 3, "read",
                    "'missing.bmp'"},
        BadResource{"picture bytes that are no BMP",
                    "  object I: TImage\n    Picture.Data = {424D0000}\n  end\n", 3, "graphic", ""},
        BadResource{"not a resource at all", "  Caption = 'a\n", 2, "parser", ""}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(FormBinding, TheResourcesClassMustBeTheForms) {
    try {
        Read("object frmBinding: TOtherForm\nend\n");
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Line 1: the resource is for a TOtherForm, not a TBindingForm");
    }
}

TEST_F(FormBinding, TheClassInformationMustBeTheForms) {
    TForm plain(nullptr);
    try {
        ReadFormResource(plain, TBindingForm::Published(),
                         std::string_view("object F: TForm\nend\n"));
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Line 1: the class information given is not that of a TForm");
    }
}

TEST_F(FormBinding, TheEmbeddedResourceOfTheFormsClassIsRead) {
    ASSERT_TRUE(InitInheritedComponent(*form, TBindingForm::Published()));
    EXPECT_EQ(form->Caption(), "Embedded");
    ASSERT_NE(form->Button1, nullptr);
    EXPECT_EQ(form->Button1->Caption(), "OK");

    struct TUnlisted : TBindingForm {
        HUSHWAVE_CLASS_NAME(TUnlisted)
        using TBindingForm::TBindingForm;
    } unlisted(nullptr);
    EXPECT_FALSE(InitInheritedComponent(unlisted, TBindingForm::Published()))
        << "TUnlisted.dfm is not built in";
}

// A form class reads its resource as a member, before its constructor's body runs.
class TResourceForm : public TBindingForm {
public:
    explicit TResourceForm(TComponent* Owner) : TBindingForm(Owner) {
        captionInBody = Button1 != nullptr ? Button1->Caption() : "";
    }
    std::string captionInBody;

private:
    FormResource FResource{*this, Published()};
};

class TUnbuiltForm : public TBindingForm {
public:
    HUSHWAVE_CLASS_NAME(TUnbuiltForm)
    explicit TUnbuiltForm(TComponent* Owner) : TBindingForm(Owner) {}

private:
    FormResource FResource{*this, Published()};
};

TEST_F(FormBinding, AFormResourceMemberReadsBeforeTheConstructorsBody) {
    TResourceForm built(nullptr);
    EXPECT_EQ(built.captionInBody, "OK");
    try {
        TUnbuiltForm unbuilt(nullptr);
        FAIL();
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource TUnbuiltForm not found");
    }
}

} // namespace
