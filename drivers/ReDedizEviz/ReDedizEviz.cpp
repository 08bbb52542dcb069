#include "drivers/ReDedizEviz/ReDedizEviz.h"

#include "drivers/ReDedizEviz/CatalogFolder.h"
#include "drivers/ReDedizEviz/MessagesLocale.h"

#include <libintl.h>

#include <algorithm>
#include <string_view>

namespace {

struct LanguageName {
    std::string_view code;
    const char* english;
};

// Every catalog shipped with the library, by the code in its "Language:" header.
constexpr LanguageName kLanguageNames[] = {
    {"de", "German"},
    {"ja", "Japanese"},
};

// The language code of the catalog in force, read from its header, which the C library
// returns as the translation of the empty text; empty when no catalog applies.
std::string_view CatalogLanguage() {
    std::string_view header = dgettext(kTextDomain, "");
    constexpr std::string_view kField = "\nLanguage:";
    size_t start = header.find(kField);
    if (start == std::string_view::npos) {
        return {};
    }
    std::string_view value = header.substr(start + kField.size());
    value = value.substr(0, value.find('\n'));
    value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
    return value.substr(0, value.find_first_of("_ "));
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) const char* ZvGetLangPathName(void) {
    return CatalogFolder();
}

__attribute__((visibility("default"))) const char* ZvTranslateStr(const char* text) {
    // The empty text is the key of each catalog's header, which is no translation of it.
    if (text == nullptr || text[0] == '\0') {
        return text;
    }
    BindCatalogs();
    MessagesLocale messagesLocale;
    return dgettext(kTextDomain, text);
}

__attribute__((visibility("default"))) const char* ZvGetLangName(void) {
    BindCatalogs();
    MessagesLocale messagesLocale;
    std::string_view code = CatalogLanguage();
    for (const LanguageName& language : kLanguageNames) {
        if (language.code == code) {
            return language.english;
        }
    }
    return "English";
}

} // extern "C"
