#include "platform/binding/ValueConversion.h"

#include "platform/binding/BindingContext.h"
#include "platform/forms/EmbeddedResources.h"
#include "platform/forms/FormLexer.h"
#include "platform/graphics/TBitmap.h"

#include "platform/core/TComponent.h"

#include <algorithm>
#include <sstream>

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return SameComponentName(a, b);
}

[[noreturn]] void Expected(const std::string& kind, const std::string& what, int line) {
    BindingContext::Fail(line, what + " takes " + kind);
}

const FormIdentifier* AsIdentifier(const FormValue& value) {
    return std::get_if<FormIdentifier>(&value.data);
}

} // namespace

int64_t ToInteger(const FormValue& value, const std::string& what, int line,
                  const IdentTable* idents, int64_t low, int64_t high) {
    int64_t number = 0;
    if (const auto* integer = std::get_if<int64_t>(&value.data)) {
        number = *integer;
    } else if (const auto* name = AsIdentifier(value); name != nullptr && idents != nullptr) {
        auto found = std::find_if(idents->begin(), idents->end(), [&](const auto& entry) {
            return SameName(entry.first, name->name);
        });
        if (found == idents->end()) {
            BindingContext::Fail(line, QuoteForMessage(name->name) + " is not a value of " + what);
        }
        number = found->second;
    } else {
        Expected("an integer", what, line);
    }
    if (number < low || number > high) {
        BindingContext::Fail(line, std::to_string(number) + " is out of range for " + what);
    }
    return number;
}

bool ToBoolean(const FormValue& value, const std::string& what, int line) {
    if (const auto* name = AsIdentifier(value)) {
        if (SameName(name->name, "True")) {
            return true;
        }
        if (SameName(name->name, "False")) {
            return false;
        }
    }
    Expected("True or False", what, line);
}

std::string ToText(const FormValue& value, const std::string& what, int line) {
    if (const auto* text = std::get_if<std::string>(&value.data)) {
        return *text;
    }
    Expected("a string", what, line);
}

const IdentTable& ColorNames() {
    static const IdentTable names = {
        {"clBlack", clBlack},
        {"clMaroon", clMaroon},
        {"clGreen", clGreen},
        {"clOlive", clOlive},
        {"clNavy", clNavy},
        {"clPurple", clPurple},
        {"clTeal", clTeal},
        {"clGray", clGray},
        {"clSilver", clSilver},
        {"clRed", clRed},
        {"clLime", clLime},
        {"clYellow", clYellow},
        {"clBlue", clBlue},
        {"clFuchsia", clFuchsia},
        {"clAqua", clAqua},
        {"clLtGray", clLtGray},
        {"clDkGray", clDkGray},
        {"clWhite", clWhite},
        {"clMoneyGreen", clMoneyGreen},
        {"clSkyBlue", clSkyBlue},
        {"clCream", clCream},
        {"clMedGray", clMedGray},
        {"clNone", clNone},
        {"clDefault", clDefault},
        {"clScrollBar", clScrollBar},
        {"clBackground", clBackground},
        {"clActiveCaption", clActiveCaption},
        {"clInactiveCaption", clInactiveCaption},
        {"clMenu", clMenu},
        {"clWindow", clWindow},
        {"clWindowFrame", clWindowFrame},
        {"clMenuText", clMenuText},
        {"clWindowText", clWindowText},
        {"clCaptionText", clCaptionText},
        {"clActiveBorder", clActiveBorder},
        {"clInactiveBorder", clInactiveBorder},
        {"clAppWorkSpace", clAppWorkSpace},
        {"clHighlight", clHighlight},
        {"clHighlightText", clHighlightText},
        {"clBtnFace", clBtnFace},
        {"clBtnShadow", clBtnShadow},
        {"clGrayText", clGrayText},
        {"clBtnText", clBtnText},
        {"clInactiveCaptionText", clInactiveCaptionText},
        {"clBtnHighlight", clBtnHighlight},
        {"cl3DDkShadow", cl3DDkShadow},
        {"cl3DLight", cl3DLight},
        {"clInfoText", clInfoText},
        {"clInfoBk", clInfoBk},
        {"clHotLight", clHotLight},
        {"clGradientActiveCaption", clGradientActiveCaption},
        {"clGradientInactiveCaption", clGradientInactiveCaption},
        {"clMenuHighlight", clMenuHighlight},
        {"clMenuBar", clMenuBar},
    };
    return names;
}

TColor ToColor(const FormValue& value, const std::string& what, int line) {
    if (AsIdentifier(value) == nullptr && !std::holds_alternative<int64_t>(value.data)) {
        Expected("a colour", what, line);
    }
    // Resources write colours as signed or unsigned 32-bit numbers.
    int64_t number = ToInteger(value, what, line, &ColorNames(), INT32_MIN, UINT32_MAX);
    return static_cast<TColor>(static_cast<uint32_t>(number));
}

size_t ToName(const FormValue& value, const std::vector<std::string>& names,
              const std::string& what, int line) {
    const auto* name = AsIdentifier(value);
    if (name == nullptr) {
        Expected("a name", what, line);
    }
    for (size_t i = 0; i < names.size(); ++i) {
        if (SameName(names[i], name->name)) {
            return i;
        }
    }
    BindingContext::Fail(line, QuoteForMessage(name->name) + " is not a value of " + what);
}

std::vector<size_t> ToNames(const FormValue& value, const std::vector<std::string>& names,
                            const std::string& what, int line) {
    const auto* set = std::get_if<FormSet>(&value.data);
    if (set == nullptr) {
        Expected("a set such as [a, b]", what, line);
    }
    std::vector<size_t> indexes;
    for (const std::string& element : set->elements) {
        indexes.push_back(ToName(FormValue{FormIdentifier{element}}, names, what, line));
    }
    return indexes;
}

std::string ToIdentifier(const FormValue& value, const std::string& what, int line) {
    const auto* name = AsIdentifier(value);
    if (name == nullptr) {
        Expected("a name", what, line);
    }
    return name->name;
}

std::vector<std::string> ToStrings(const FormValue& value, const std::string& what, int line) {
    const auto* list = std::get_if<FormList>(&value.data);
    if (list == nullptr) {
        Expected("a list of strings", what, line);
    }
    std::vector<std::string> strings;
    for (const FormValue& item : list->items) {
        strings.push_back(ToText(item, what, line));
    }
    return strings;
}

std::unique_ptr<TBitmap> ToBitmap(const FormValue& value, const std::string& what, int line) {
    std::string bytes;
    if (const auto* name = std::get_if<std::string>(&value.data)) {
        auto file = FindEmbeddedResource(*name);
        if (!file) {
            BindingContext::Fail(line, "no picture " + QuoteForMessage(*name) +
                                           " is built into the program");
        }
        bytes.assign(file->begin(), file->end());
    } else if (const auto* binary = std::get_if<FormBinary>(&value.data)) {
        bytes.assign(binary->bytes.begin(), binary->bytes.end());
    } else {
        Expected("a BMP file's name or its bytes", what, line);
    }
    auto bitmap = std::make_unique<TBitmap>();
    std::istringstream stream(bytes);
    BindingContext::AtLine(line, [&] { bitmap->LoadFromStream(stream); });
    return bitmap;
}
