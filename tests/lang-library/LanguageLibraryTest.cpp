// Loads the built language library as the program does, by file and entry-point name, and
// drives it through the locale environment.
#include "drivers/ReDedizEviz/ReDedizEviz.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

// The C library's newlocale() leaks its copy of LOCPATH on every call; only these tests set
// LOCPATH, to reach locales of their own, so the leak checker is told to expect it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:argz_add_sep\n";
}

namespace {

struct LanguageLibrary {
    explicit LanguageLibrary(const std::string& path) {
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            ADD_FAILURE() << dlerror();
            return;
        }
        getLangPathName =
            reinterpret_cast<decltype(&ZvGetLangPathName)>(dlsym(handle, "ZvGetLangPathName"));
        translateStr = reinterpret_cast<decltype(&ZvTranslateStr)>(dlsym(handle, "ZvTranslateStr"));
        getLangName = reinterpret_cast<decltype(&ZvGetLangName)>(dlsym(handle, "ZvGetLangName"));
    }
    ~LanguageLibrary() {
        if (handle != nullptr) {
            dlclose(handle);
        }
    }
    bool Bound() const { return getLangPathName && translateStr && getLangName; }

    void* handle = nullptr;
    decltype(&ZvGetLangPathName) getLangPathName = nullptr;
    decltype(&ZvTranslateStr) translateStr = nullptr;
    decltype(&ZvGetLangName) getLangName = nullptr;
};

const char* const kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

struct Environment {
    const char* language = nullptr;
    const char* lcAll = nullptr;
    const char* lcMessages = nullptr;
    const char* lang = nullptr;
};

void SetEnvironment(const Environment& environment) {
    const char* values[] = {environment.language, environment.lcAll, environment.lcMessages,
                            environment.lang};
    for (size_t i = 0; i < std::size(kVariables); ++i) {
        if (values[i] != nullptr) {
            setenv(kVariables[i], values[i], 1);
        } else {
            unsetenv(kVariables[i]);
        }
    }
}

class LanguageLibraryTest : public testing::Test {
protected:
    void SetUp() override {
        setenv("LOCPATH", TEST_LOCALES_DIR, 1);
        SetEnvironment({});
        ASSERT_TRUE(library.Bound());
    }

    LanguageLibrary library{REDEDIZEVIZ_LIBRARY};
};

const char* const kProgramTexts[] = {
    "CPU Frequency",
    "CPU Voltage",
    "Restore",
    "Close",
    "Hushwave has been disabled, please enable it first.",
    "You can do this through the BIOS setup menu.",
    "This CPU doesn't support Hushwave function.",
};

struct LanguageCase {
    Environment environment;
    const char* name;
    const char* cpuFrequency;
};

TEST_F(LanguageLibraryTest, LanguageFollowsTheEnvironmentInOrderOfPrecedence) {
    const LanguageCase cases[] = {
        {{}, "English", "CPU Frequency"},
        {{.language = "ja"}, "Japanese", "CPU 周波数"},
        {{.language = "de"}, "German", "CPU-Frequenz"},
        {{.language = "fr:de:ja"}, "German", "CPU-Frequenz"},
        {{.language = "en"}, "English", "CPU Frequency"},
        {{.language = "C:ja"}, "English", "CPU Frequency"},
        {{.language = "ja", .lcAll = "C"}, "Japanese", "CPU 周波数"},
        {{.language = "ja", .lcAll = "de_DE.UTF-8"}, "Japanese", "CPU 周波数"},
        {{.lcAll = "de_DE.UTF-8", .lcMessages = "ja_JP.UTF-8", .lang = "ja_JP.UTF-8"},
         "German",
         "CPU-Frequenz"},
        {{.lcMessages = "ja_JP.UTF-8", .lang = "de_DE.UTF-8"}, "Japanese", "CPU 周波数"},
        {{.lang = "de_DE.UTF-8"}, "German", "CPU-Frequenz"},
        {{.lang = "ja_JP.UTF-8"}, "Japanese", "CPU 周波数"},
        {{.lcAll = "", .lang = "ja_JP.UTF-8"}, "Japanese", "CPU 周波数"},
        {{.lang = "C"}, "English", "CPU Frequency"},
        {{.lang = "POSIX"}, "English", "CPU Frequency"},
        {{.lang = "C.UTF-8"}, "English", "CPU Frequency"},
        {{.lang = "fr_FR.UTF-8"}, "English", "CPU Frequency"},
    };
    for (const LanguageCase& c : cases) {
        const Environment& e = c.environment;
        SCOPED_TRACE(testing::Message()
                     << "LANGUAGE=" << (e.language ? e.language : "(unset)")
                     << " LC_ALL=" << (e.lcAll ? e.lcAll : "(unset)")
                     << " LC_MESSAGES=" << (e.lcMessages ? e.lcMessages : "(unset)")
                     << " LANG=" << (e.lang ? e.lang : "(unset)"));
        SetEnvironment(e);
        EXPECT_STREQ(library.getLangName(), c.name);
        EXPECT_STREQ(library.translateStr("CPU Frequency"), c.cpuFrequency);
    }
}

TEST_F(LanguageLibraryTest, EveryTextOfTheProgramHasATranslation) {
    for (const char* language : {"ja", "de"}) {
        SetEnvironment({.language = language});
        for (const char* text : kProgramTexts) {
            SCOPED_TRACE(testing::Message() << language << ": " << text);
            const char* translated = library.translateStr(text);
            ASSERT_NE(translated, nullptr);
            EXPECT_STRNE(translated, text);
            EXPECT_GT(std::strlen(translated), 0u);
        }
    }
}

TEST_F(LanguageLibraryTest, TextsWithoutTranslationComeBackUnchanged) {
    for (const char* language : {"ja", "de", "en"}) {
        SCOPED_TRACE(language);
        SetEnvironment({.language = language});
        const char* untranslated = "frmMain";
        EXPECT_EQ(library.translateStr(untranslated), untranslated);
        // The empty text keys each catalog's header; it must not come back as the header.
        const char* empty = "";
        EXPECT_EQ(library.translateStr(empty), empty);
        EXPECT_EQ(library.translateStr(nullptr), nullptr);
    }
}

TEST_F(LanguageLibraryTest, CatalogsLiveBesideTheLibrary) {
    std::filesystem::path folder =
        std::filesystem::path(REDEDIZEVIZ_LIBRARY).parent_path() / "locale";
    EXPECT_EQ(library.getLangPathName(), folder.string());
    for (const char* language : {"ja", "de"}) {
        EXPECT_TRUE(std::filesystem::exists(folder / language / "LC_MESSAGES" / "ReDedizEviz.mo"))
            << language;
    }
}

// Each stage is a folder to run the program from; its copy of the library reads the catalogs
// staged beside it.
TEST_F(LanguageLibraryTest, StagedCopiesTranslateFromTheirOwnFolder) {
    SetEnvironment({.language = "de"});
    for (const char* stage : {"sim", "hw"}) {
        SCOPED_TRACE(stage);
        std::filesystem::path folder = std::filesystem::path(HUSHWAVE_STAGE_DIR) / stage;
        LanguageLibrary staged((folder / REDEDIZEVIZ_LIBRARY_NAME).string());
        ASSERT_TRUE(staged.Bound());
        EXPECT_EQ(staged.getLangPathName(), (folder / "locale").string());
        EXPECT_STREQ(staged.translateStr("Close"), "Schließen");
        EXPECT_STREQ(staged.getLangName(), "German");
    }
    EXPECT_STREQ(library.translateStr("Close"), "Schließen");
}

} // namespace
