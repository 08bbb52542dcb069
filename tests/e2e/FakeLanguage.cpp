#include "tests/e2e/FakeLanguage.h"

#include "platform/kernel/InProcessLibraries.h"

#include <cstring>

namespace {

std::string language;
std::map<std::string, std::string> table;
char answer[256];

const char* PathName() {
    return "lang";
}

const char* Translate(const char* text) {
    auto found = table.find(text);
    if (found == table.end()) {
        return text;
    }
    std::strncpy(answer, found->second.c_str(), sizeof answer - 1);
    return answer;
}

const char* LanguageName() {
    return language.c_str();
}

} // namespace

void RegisterFakeLanguage(const std::string& languageName,
                          std::map<std::string, std::string> translations) {
    language = languageName;
    table = std::move(translations);
    RegisterInProcessLibrary("ReDedizEviz.dll", {{"ZvGetLangPathName", EntryPoint(&PathName)},
                                                 {"ZvTranslateStr", EntryPoint(&Translate)},
                                                 {"ZvGetLangName", EntryPoint(&LanguageName)}});
}
