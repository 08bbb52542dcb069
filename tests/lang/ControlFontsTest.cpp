#include "lang/ControlFonts.h"
#include "lang/LanguageLibrary.h"
#include "platform/application/TApplication.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TImage.h"
#include "platform/graphics/TFont.h"
#include "platform/kernel/InProcessLibraries.h"
#include "platform/kernel/Process.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

int translations = 0;
const char* PathName() {
    return "/catalogs";
}
const char* Translate(const char* text) {
    ++translations;
    return std::strcmp(text, "CPU Frequency") == 0 ? "CPU周波数" : "訳";
}
const char* Japanese() {
    return "Japanese";
}

class ControlFontsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetExeNameForTesting("/opt/tools/hushwave");
        translations = 0;
    }
    void TearDown() override {
        UnbindLanguageLibraryForTesting();
        ClearInProcessLibraries();
        SetExeNameForTesting("");
    }
    void InstallJapanese() {
        RegisterInProcessLibrary("ReDedizEviz.dll", {{"ZvGetLangPathName", EntryPoint(&PathName)},
                                                     {"ZvTranslateStr", EntryPoint(&Translate)},
                                                     {"ZvGetLangName", EntryPoint(&Japanese)}});
    }
    TApplication m_application{nullptr};
    TForm m_owner{nullptr};
};

struct ClassRow {
    const char* name;
    TControl* (*make)(TComponent*);
    bool japanese;
};

template <class T> TControl* Make(TComponent* owner) {
    return new T(owner);
}

class ClassTable : public ControlFontsTest, public ::testing::WithParamInterface<ClassRow> {};

TEST_P(ClassTable, SetsTheHeightAndAppliesTheJapaneseRuleWhereTheTableSays) {
    InstallJapanese();
    TControl* control = GetParam().make(&m_owner);
    EXPECT_TRUE(ApplyFontAndLanguage(control, -13));
    EXPECT_EQ(control->Font()->Height(), -13);
    EXPECT_EQ(control->Font()->Charset() == 128, GetParam().japanese) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(TwelveClasses, ClassTable,
                         ::testing::Values(ClassRow{"TForm", &Make<TForm>, true},
                                           ClassRow{"TFrame", &Make<TFrame>, false},
                                           ClassRow{"TLabel", &Make<TLabel>, true},
                                           ClassRow{"TEdit", &Make<TEdit>, true},
                                           ClassRow{"TMemo", &Make<TMemo>, false},
                                           ClassRow{"TButton", &Make<TButton>, false},
                                           ClassRow{"TListBox", &Make<TListBox>, true},
                                           ClassRow{"TComboBox", &Make<TComboBox>, false},
                                           ClassRow{"TGroupBox", &Make<TGroupBox>, false},
                                           ClassRow{"TRadioGroup", &Make<TRadioGroup>, false},
                                           ClassRow{"TPanel", &Make<TPanel>, false},
                                           ClassRow{"TCheckBox", &Make<TCheckBox>, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlFontsTest, LabelCaptionIsTranslatedEachTimeButOnlyWithTheLibrary) {
    auto* label = new TLabel(&m_owner);
    label->SetCaption("CPU Frequency");
    EXPECT_TRUE(ApplyFontAndLanguage(label, -11));
    EXPECT_EQ(label->Caption(), "CPU Frequency") << "no library: only the height changes";
    EXPECT_EQ(label->Font()->Height(), -11);

    InstallJapanese();
    ApplyFontAndLanguage(label, -11);
    EXPECT_EQ(label->Caption(), "CPU周波数");
    ApplyFontAndLanguage(label, -11);
    EXPECT_EQ(translations, 2) << "the translated caption goes to the library again";
}

TEST_F(ControlFontsTest, OtherComponentsAreLeftAlone) {
    InstallJapanese();
    auto* image = new TImage(&m_owner);
    int height = image->Font()->Height();
    EXPECT_FALSE(ApplyFontAndLanguage(image, -20));
    EXPECT_EQ(image->Font()->Height(), height);
    TComponent plain(nullptr);
    EXPECT_FALSE(ApplyFontAndLanguage(&plain, -20));
}

TEST_F(ControlFontsTest, FormCaptionIsNeverTranslated) {
    InstallJapanese();
    m_owner.SetCaption("frmMain");
    ApplyFontAndLanguage(&m_owner, -11);
    EXPECT_EQ(m_owner.Caption(), "frmMain");
    EXPECT_EQ(m_owner.Font()->Charset(), 128);
    EXPECT_EQ(translations, 0);
}

} // namespace
