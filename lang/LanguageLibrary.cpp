#include "lang/LanguageLibrary.h"

#include "platform/application/TApplication.h"
#include "platform/core/SysUtils.h"
#include "platform/kernel/Library.h"

#include <cstring>
#include <string>

namespace {

using ZvGetLangPathNameProc = const char* (*)();
using ZvTranslateStrProc = const char* (*)(const char*);
using ZvGetLangNameProc = const char* (*)();

ZvGetLangPathNameProc pZvGetLangPathName = nullptr;
ZvTranslateStrProc pZvTranslateStr = nullptr;
ZvGetLangNameProc pZvGetLangName = nullptr;

} // namespace

bool LoadReDedizEviz() {
    // The folder ends in its separator and the name begins with one: the doubled separator is
    // part of the path the library has always been loaded from.
    std::string path = ExtractFilePath(Application->ExeName()) + "\\ReDedizEviz.dll";
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) {
        return false;
    }
    FARPROC pathName = GetProcAddress(module, "ZvGetLangPathName");
    if (pathName == nullptr) {
        return false;
    }
    pZvGetLangPathName = reinterpret_cast<ZvGetLangPathNameProc>(pathName);
    FARPROC translate = GetProcAddress(module, "ZvTranslateStr");
    if (translate == nullptr) {
        return false;
    }
    pZvTranslateStr = reinterpret_cast<ZvTranslateStrProc>(translate);
    FARPROC langName = GetProcAddress(module, "ZvGetLangName");
    if (langName == nullptr) {
        return false;
    }
    pZvGetLangName = reinterpret_cast<ZvGetLangNameProc>(langName);
    return true;
}

const char* TranslateText(const char* text) {
    return pZvTranslateStr != nullptr ? pZvTranslateStr(text) : text;
}

const char* GetLanguageName() {
    return pZvGetLangName != nullptr ? pZvGetLangName() : nullptr;
}

bool IsJapaneseLanguage() {
    const char* name = GetLanguageName();
    return std::strcmp(name != nullptr ? name : "", "Japanese") == 0;
}

void UnbindLanguageLibraryForTesting() {
    pZvGetLangPathName = nullptr;
    pZvTranslateStr = nullptr;
    pZvGetLangName = nullptr;
}
