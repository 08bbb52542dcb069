#include "platform/kernel/Library.h"
#include "platform/kernel/InProcessLibraries.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Process.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

int Seven() {
    return 7;
}

class LibraryTest : public ::testing::Test {
protected:
    void TearDown() override {
        ClearInProcessLibraries();
        SetExeNameForTesting("");
    }
};

TEST_F(LibraryTest, InProcessLibraryAnswersItsEntryPoints) {
    RegisterInProcessLibrary("Sample.dll", {{"Seven", EntryPoint(&Seven)}, {"Absent", nullptr}});
    HMODULE module = LoadLibraryA("C:\\Program Files\\SAMPLE.DLL");
    ASSERT_TRUE(module);
    auto seven = reinterpret_cast<int (*)()>(GetProcAddress(module, "Seven"));
    ASSERT_NE(seven, nullptr);
    EXPECT_EQ(seven(), 7);
    EXPECT_EQ(GetProcAddress(module, "Absent"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(GetProcAddress(module, "Other"), nullptr);
    EXPECT_EQ(LoadLibraryA("sample.dll"), module) << "a loaded library keeps its handle";
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_FALSE(FreeLibrary(module));
}

TEST_F(LibraryTest, MissingLibraryFails) {
    EXPECT_FALSE(LoadLibraryA("NoSuchLibraryAnywhere.dll"));
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_FALSE(LoadLibraryA(""));
}

TEST_F(LibraryTest, LoadsSharedObjectBesideTheExecutableFirst) {
    // The fixture library is built into this test's folder as libHwFixture.so.
    std::filesystem::path folder = HUSHWAVE_FIXTURE_DIR;
    SetExeNameForTesting((folder / "some-program").string());
    HMODULE module = LoadLibraryA("HwFixture.dll");
    ASSERT_TRUE(module);
    auto answer = reinterpret_cast<int (*)()>(GetProcAddress(module, "HwFixtureAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(GetProcAddress(module, "NotExported"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(LibraryTest, LoadsByFullPathWithBackslashes) {
    std::string path = std::string(HUSHWAVE_FIXTURE_DIR) + "\\\\HwFixture.dll";
    HMODULE module = LoadLibraryA(path.c_str());
    ASSERT_TRUE(module);
    EXPECT_NE(GetProcAddress(module, "HwFixtureAnswer"), nullptr);
    FreeLibrary(module);
    SetExeNameForTesting("/nonexistent/folder/program");
    EXPECT_FALSE(LoadLibraryA("HwFixture.dll")) << "not on the standard search path";
}

} // namespace
