#include "lang/LanguageLibrary.h"
#include "platform/application/TApplication.h"
#include "platform/kernel/InProcessLibraries.h"
#include "platform/kernel/Process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

const char* PathName() {
    return "/catalogs";
}
const char* Shout(const char* text) {
    return std::strcmp(text, "CPU Frequency") == 0 ? "CPU-Takt" : text;
}
const char* Japanese() {
    return "Japanese";
}
const char* LowerJapanese() {
    return "japanese";
}
const char* JapaneseBlank() {
    return "Japanese ";
}
const char* NoName() {
    return nullptr;
}

class LanguageLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { SetExeNameForTesting("/opt/tools/hushwave"); }
    void TearDown() override {
        UnbindLanguageLibraryForTesting();
        ClearInProcessLibraries();
        SetExeNameForTesting("");
    }
    TApplication m_application{nullptr};
};

TEST_F(LanguageLibraryTest, WithoutTheLibraryTextsComeBackUnchanged) {
    EXPECT_FALSE(LoadReDedizEviz());
    const char* text = "CPU Frequency";
    EXPECT_EQ(TranslateText(text), text) << "the very same address";
    EXPECT_EQ(GetLanguageName(), nullptr);
    EXPECT_FALSE(IsJapaneseLanguage());
}

TEST_F(LanguageLibraryTest, BindsAllThreeAndTranslates) {
    RegisterInProcessLibrary("ReDedizEviz.dll", {{"ZvGetLangPathName", EntryPoint(&PathName)},
                                                 {"ZvTranslateStr", EntryPoint(&Shout)},
                                                 {"ZvGetLangName", EntryPoint(&Japanese)}});
    EXPECT_TRUE(LoadReDedizEviz());
    EXPECT_STREQ(TranslateText("CPU Frequency"), "CPU-Takt");
    EXPECT_TRUE(IsJapaneseLanguage());
}

struct NameCase {
    const char* (*name)();
    bool japanese;
};

class JapaneseRule : public LanguageLibraryTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(JapaneseRule, NeedsTheExactName) {
    RegisterInProcessLibrary("ReDedizEviz.dll", {{"ZvGetLangPathName", EntryPoint(&PathName)},
                                                 {"ZvTranslateStr", EntryPoint(&Shout)},
                                                 {"ZvGetLangName", EntryPoint(GetParam().name)}});
    ASSERT_TRUE(LoadReDedizEviz());
    EXPECT_EQ(IsJapaneseLanguage(), GetParam().japanese);
}

INSTANTIATE_TEST_SUITE_P(Names, JapaneseRule,
                         ::testing::Values(NameCase{&Japanese, true},
                                           NameCase{&LowerJapanese, false},
                                           NameCase{&JapaneseBlank, false},
                                           NameCase{&NoName, false}));

TEST_F(LanguageLibraryTest, MissingFirstEntryPointFailsAndBindsNothing) {
    RegisterInProcessLibrary("ReDedizEviz.dll", {{"ZvTranslateStr", EntryPoint(&Shout)},
                                                 {"ZvGetLangName", EntryPoint(&Japanese)}});
    EXPECT_FALSE(LoadReDedizEviz());
    EXPECT_STREQ(TranslateText("CPU Frequency"), "CPU Frequency");
}

TEST_F(LanguageLibraryTest, EntryPointsFoundBeforeAMissingOneStayInUse) {
    RegisterInProcessLibrary("ReDedizEviz.dll", {{"ZvGetLangPathName", EntryPoint(&PathName)},
                                                 {"ZvTranslateStr", EntryPoint(&Shout)}});
    EXPECT_FALSE(LoadReDedizEviz());
    EXPECT_STREQ(TranslateText("CPU Frequency"), "CPU-Takt");
    EXPECT_EQ(GetLanguageName(), nullptr);
}

TEST_F(LanguageLibraryTest, RealLibraryIsLoadedFromTheExecutablesFolderOnly) {
    // The staged library beside a program in the sim stage, in German.
    std::filesystem::path stage = HUSHWAVE_STAGE_SIM;
    setenv("LANGUAGE", "de", 1);
    SetExeNameForTesting((stage / "hushwave").string());
    ASSERT_TRUE(LoadReDedizEviz());
    EXPECT_STREQ(GetLanguageName(), "German");
    EXPECT_STRNE(TranslateText("CPU Frequency"), "CPU Frequency");
    UnbindLanguageLibraryForTesting();
    SetExeNameForTesting("/nonexistent/hushwave");
    EXPECT_FALSE(LoadReDedizEviz()) << "no search beyond the executable's folder";
    unsetenv("LANGUAGE");
}

} // namespace
