#include "lang/ControlFonts.h"

#include "lang/LanguageLibrary.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TCustomForm.h"
#include "platform/graphics/TFont.h"

namespace {

struct ClassRule {
    bool (*matches)(TPersistent*);
    bool translateCaption;
    bool japanese;
};

template <class T> bool IsA(TPersistent* component) {
    return dynamic_cast<T*>(component) != nullptr;
}

// First match decides; a memo is not an edit in this class tree, so the order matters only
// where classes derive from one another.
const ClassRule kRules[] = {
    {IsA<TForm>, false, true},      {IsA<TFrame>, false, false},
    {IsA<TLabel>, true, true},      {IsA<TEdit>, false, true},
    {IsA<TMemo>, false, false},     {IsA<TButton>, false, false},
    {IsA<TListBox>, false, true},   {IsA<TComboBox>, false, false},
    {IsA<TGroupBox>, false, false}, {IsA<TRadioGroup>, false, false},
    {IsA<TPanel>, false, false},    {IsA<TCheckBox>, false, false},
};

} // namespace

bool ApplyFontAndLanguage(TPersistent* component, int fontHeight) {
    for (const ClassRule& rule : kRules) {
        if (!rule.matches(component)) {
            continue;
        }
        auto* control = dynamic_cast<TControl*>(component);
        control->Font()->SetHeight(fontHeight);
        if (!rule.translateCaption && !rule.japanese) {
            return true;
        }
        if (!LoadReDedizEviz()) {
            return true;
        }
        if (rule.translateCaption) {
            auto* label = static_cast<TLabel*>(control);
            label->SetCaption(TranslateText(label->Caption().c_str()));
        }
        if (IsJapaneseLanguage()) {
            control->Font()->SetCharset(SHIFTJIS_CHARSET);
        }
        return true;
    }
    return false;
}
