// The platform's classes as form resources know them, with the properties the class library
// publishes for each.

#include "platform/application/TTimer.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TCustomImageList.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TPicture.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/controls/TTrayIcon.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

namespace {

const IdentTable kCursors = {
    {"crDefault", 0},     {"crNone", -1},     {"crArrow", -2},      {"crCross", -3},
    {"crIBeam", -4},      {"crSizeNESW", -6}, {"crSizeNS", -7},     {"crSizeNWSE", -8},
    {"crSizeWE", -9},     {"crUpArrow", -10}, {"crHourGlass", -11}, {"crDrag", -12},
    {"crNoDrop", -13},    {"crHSplit", -14},  {"crVSplit", -15},    {"crMultiDrag", -16},
    {"crSQLWait", -17},   {"crNo", -18},      {"crAppStart", -19},  {"crHelp", -20},
    {"crHandPoint", -21}, {"crSizeAll", -22},
};

const IdentTable kCharsets = {
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
};

const IdentTable kModalResults = {
    {"mrNone", 0},  {"mrOk", 1},      {"mrCancel", 2},    {"mrAbort", 3},
    {"mrRetry", 4}, {"mrIgnore", 5},  {"mrYes", 6},       {"mrNo", 7},
    {"mrAll", 8},   {"mrNoToAll", 9}, {"mrYesToAll", 10},
};

const std::vector<std::string> kAlignments = {"taLeftJustify", "taRightJustify", "taCenter"};
const std::vector<std::string> kBevels = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

// Visible, Enabled, hints and the mouse events, which every concrete control publishes.
template <class T> void ControlBasics(ClassBuilder<T>& c) {
    c.Boolean("Enabled", &TControl::SetEnabled)
        .Boolean("Visible", &TControl::SetVisible)
        .Boolean("ShowHint", &TControl::SetShowHint)
        .Event("OnClick", &TControl::OnClick)
        .Event("OnDblClick", &TControl::OnDblClick)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnResize", &TControl::OnResize)
        .Event("OnCanResize", &TControl::OnCanResize);
}

template <class T> void FontAndColor(ClassBuilder<T>& c) {
    c.Color("Color", &TControl::SetColor)
        .Boolean("ParentColor", &TControl::SetParentColor)
        .Object("Font", &TControl::Font)
        .Boolean("ParentFont", &TControl::SetParentFont);
}

template <class T> void WindowedBasics(ClassBuilder<T>& c) {
    ControlBasics(c);
    FontAndColor(c);
    c.Integer("TabOrder", &TWinControl::SetTabOrder)
        .Boolean("TabStop", &TWinControl::SetTabStop)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit)
        .Event("OnKeyDown", &TWinControl::OnKeyDown)
        .Event("OnKeyPress", &TWinControl::OnKeyPress)
        .Event("OnKeyUp", &TWinControl::OnKeyUp);
}

void RegisterGraphicsObjects(ClassRegistry& r) {
    r.RegisterBase<TFont>("TFont")
        .Integer("Charset", &TFont::SetCharset, &kCharsets)
        .Color("Color", &TFont::SetColor)
        .Integer("Height", &TFont::SetHeight)
        .String("Name", &TFont::SetName)
        .Integer("Size", &TFont::SetSize)
        .SetOf("Style", &TFont::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    r.RegisterBase<TPicture>("TPicture")
        .Custom("Data",
                [](TPicture& picture, const FormValue& value, int line, const std::string& what) {
                    picture.SetBitmap(ToBitmap(value, what, line).get());
                });
}

void RegisterControlBases(ClassRegistry& r) {
    r.Register<TComponent>("TComponent").Integer("Tag", &TComponent::SetTag);
    r.RegisterBase<TControl>("TControl", "TComponent")
        .Integer("Left", &TControl::SetLeft)
        .Integer("Top", &TControl::SetTop)
        .Integer("Width", &TControl::SetWidth)
        .Integer("Height", &TControl::SetHeight)
        .Integer("Cursor", &TControl::SetCursor, &kCursors)
        .String("Hint", &TControl::SetHint)
        .Integer("HelpContext", &TControl::SetHelpContext);
    r.RegisterBase<TGraphicControl>("TGraphicControl", "TControl");
    r.RegisterBase<TWinControl>("TWinControl", "TControl");
    r.RegisterBase<TCustomControl>("TCustomControl", "TWinControl");
}

void RegisterForms(ClassRegistry& r) {
    auto form = r.RegisterBase<TCustomForm>("TCustomForm", "TWinControl");
    ControlBasics(form);
    FontAndColor(form);
    form.String("Caption", &TControl::SetCaption)
        .Integer("ClientWidth", &TControl::SetClientWidth)
        .Integer("ClientHeight", &TControl::SetClientHeight)
        .Enumeration(
            "BorderStyle", &TCustomForm::SetBorderStyle,
            {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"})
        .Enumeration(
            "Position", &TCustomForm::SetPosition,
            {"poDesigned", "poDefault", "poScreenCenter", "poDesktopCenter", "poMainFormCenter"})
        .Event("OnCreate", &TCustomForm::OnCreate)
        .Event("OnDestroy", &TCustomForm::OnDestroy)
        .Event("OnShow", &TCustomForm::OnShow)
        .Event("OnHide", &TCustomForm::OnHide)
        .Event("OnPaint", &TCustomForm::OnPaint)
        .Event("OnClose", &TCustomForm::OnClose)
        .Event("OnKeyDown", &TWinControl::OnKeyDown)
        .Event("OnKeyPress", &TWinControl::OnKeyPress)
        .Event("OnKeyUp", &TWinControl::OnKeyUp);
    r.Register<TForm>("TForm", "TCustomForm");
    auto frame = r.Register<TFrame>("TFrame", "TWinControl");
    WindowedBasics(frame);
}

void RegisterGraphicControls(ClassRegistry& r) {
    auto image = r.Register<TImage>("TImage", "TGraphicControl");
    ControlBasics(image);
    image.Boolean("AutoSize", &TImage::SetAutoSize)
        .Boolean("Center", &TImage::SetCenter)
        .Object("Picture", &TImage::Picture)
        .Boolean("Stretch", &TImage::SetStretch)
        .Boolean("Transparent", &TImage::SetTransparent);

    auto label = r.Register<TLabel>("TLabel", "TGraphicControl");
    ControlBasics(label);
    FontAndColor(label);
    label.Enumeration("Alignment", &TCustomLabel::SetAlignment, kAlignments)
        .Boolean("AutoSize", &TCustomLabel::SetAutoSize)
        .String("Caption", &TControl::SetCaption)
        .Enumeration("Layout", &TCustomLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"})
        .Boolean("ShowAccelChar", &TCustomLabel::SetShowAccelChar)
        .Boolean("Transparent", &TCustomLabel::SetTransparent)
        .Boolean("WordWrap", &TCustomLabel::SetWordWrap);
}

void RegisterStandardControls(ClassRegistry& r) {
    auto panel = r.Register<TPanel>("TPanel", "TCustomControl");
    WindowedBasics(panel);
    panel.Enumeration("Alignment", &TCustomPanel::SetAlignment, kAlignments)
        .Enumeration("BevelInner", &TCustomPanel::SetBevelInner, kBevels)
        .Enumeration("BevelOuter", &TCustomPanel::SetBevelOuter, kBevels)
        .Integer("BevelWidth", &TCustomPanel::SetBevelWidth)
        .Integer("BorderWidth", &TCustomPanel::SetBorderWidth)
        .String("Caption", &TControl::SetCaption);

    auto edit = r.Register<TEdit>("TEdit", "TWinControl");
    WindowedBasics(edit);
    edit.String("Text", &TControl::SetText)
        .Integer("MaxLength", &TCustomEdit::SetMaxLength)
        .Boolean("ReadOnly", &TCustomEdit::SetReadOnly)
        .Event("OnChange", &TCustomEdit::OnChange);

    auto memo = r.Register<TMemo>("TMemo", "TWinControl");
    WindowedBasics(memo);
    memo.Strings("Lines.Strings", &TCustomMemo::SetLines)
        .Integer("MaxLength", &TCustomEdit::SetMaxLength)
        .Boolean("ReadOnly", &TCustomEdit::SetReadOnly)
        .Boolean("WordWrap", &TCustomMemo::SetWordWrap)
        .Event("OnChange", &TCustomEdit::OnChange);

    auto button = r.Register<TButton>("TButton", "TWinControl");
    WindowedBasics(button);
    button.String("Caption", &TControl::SetCaption)
        .Integer("ModalResult", &TButton::SetModalResult, &kModalResults);

    auto check = r.Register<TCheckBox>("TCheckBox", "TWinControl");
    WindowedBasics(check);
    check.String("Caption", &TControl::SetCaption)
        .Boolean("AllowGrayed", &TCustomCheckBox::SetAllowGrayed)
        .Boolean("Checked", &TCustomCheckBox::SetChecked)
        .Enumeration("State", &TCustomCheckBox::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"});

    auto list = r.Register<TListBox>("TListBox", "TWinControl");
    WindowedBasics(list);
    list.Strings("Items.Strings", &TCustomListBox::SetItems)
        .Integer("ItemIndex", &TCustomListBox::SetItemIndex);

    auto combo = r.Register<TComboBox>("TComboBox", "TWinControl");
    WindowedBasics(combo);
    combo.Strings("Items.Strings", &TCustomComboBox::SetItems)
        .Integer("ItemIndex", &TCustomComboBox::SetItemIndex)
        .String("Text", &TControl::SetText)
        .Event("OnChange", &TCustomComboBox::OnChange);

    auto group = r.Register<TGroupBox>("TGroupBox", "TCustomControl");
    WindowedBasics(group);
    group.String("Caption", &TControl::SetCaption);

    auto radios = r.Register<TRadioGroup>("TRadioGroup", "TCustomControl");
    WindowedBasics(radios);
    radios.String("Caption", &TControl::SetCaption)
        .Integer("Columns", &TCustomRadioGroup::SetColumns)
        .Strings("Items.Strings", &TCustomRadioGroup::SetItems)
        .Integer("ItemIndex", &TCustomRadioGroup::SetItemIndex);
}

void RegisterComponents(ClassRegistry& r) {
    r.Register<TTimer>("TTimer", "TComponent")
        .Boolean("Enabled", &TTimer::SetEnabled)
        .Integer("Interval", &TTimer::SetInterval)
        .EventSetter("OnTimer", &TTimer::SetOnTimer);

    r.RegisterBase<TCustomImageList>("TCustomImageList", "TComponent");
    r.Register<TImageList>("TImageList", "TCustomImageList")
        .Integer("Width", &TCustomImageList::SetWidth)
        .Integer("Height", &TCustomImageList::SetHeight)
        .Custom("Bitmap",
                [](TImageList& list, const FormValue& value, int line, const std::string& what) {
                    std::unique_ptr<TBitmap> images = ToBitmap(value, what, line);
                    BindingContext::AtLine(line, [&] {
                        list.Clear();
                        list.Add(images.get());
                    });
                });

    r.Register<TPopupMenu>("TPopupMenu", "TComponent").Event("OnPopup", &TPopupMenu::OnPopup);
    r.Register<TMenuItem>("TMenuItem", "TComponent")
        .String("Caption", &TMenuItem::SetCaption)
        .Boolean("Checked", &TMenuItem::SetChecked)
        .Boolean("Enabled", &TMenuItem::SetEnabled)
        .Boolean("Visible", &TMenuItem::SetVisible)
        .Event("OnClick", &TMenuItem::OnClick);

    const std::vector<std::string> actions = {
        "imNone",        "imClick",          "imDoubleClick", "imLeftClickDown",
        "imLeftClickUp", "imRightClickDown", "imRightClickUp"};
    r.Register<TTrayIcon>("TTrayIcon", "TComponent")
        .Boolean("Visible", &TTrayIcon::SetVisible)
        .Reference("Icons", &TTrayIcon::SetIcons, "TCustomImageList")
        .Integer("IconIndex", &TTrayIcon::SetIconIndex)
        .String("Hint", &TTrayIcon::SetHint)
        .Reference("PopupMenu", &TTrayIcon::SetPopupMenu, "TPopupMenu")
        .Enumeration("PopupMenuOn", &TTrayIcon::SetPopupMenuOn, actions)
        .Enumeration("RestoreOn", &TTrayIcon::SetRestoreOn, actions)
        .Boolean("Hide", &TTrayIcon::SetHide)
        .Event("OnRestore", &TTrayIcon::OnRestore);
}

} // namespace

void RegisterStandardClasses(ClassRegistry& registry) {
    RegisterGraphicsObjects(registry);
    RegisterControlBases(registry);
    RegisterForms(registry);
    RegisterGraphicControls(registry);
    RegisterStandardControls(registry);
    RegisterComponents(registry);
}
