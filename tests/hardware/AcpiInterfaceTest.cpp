#include "hardware/AcpiInterface.h"
#include "platform/kernel/InProcessLibraries.h"
#include "platform/kernel/Process.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int32_t One() {
    return 1;
}
DWORD Option(DWORD) {
    return 0;
}
int32_t List(DWORD, WORD*) {
    return 0;
}
int32_t Health(DWORD) {
    return 0;
}
int32_t CheckWorkable(DWORD, int32_t* flag) {
    *flag = 1;
    return 1;
}

class AcpiInterface : public testing::Test {
protected:
    void TearDown() override {
        CloseOCDll();
        ClearInProcessLibraries();
        SetExeNameForTesting("");
    }

    static std::map<std::string, FARPROC> AllSix() {
        return {{"OCAPI_Initialization", EntryPoint(&One)},
                {"OCAPI_Close", EntryPoint(&One)},
                {"OCAPI_ACPI_OC_GetCurrentOption", EntryPoint(&Option)},
                {"OCAPI_GetACPIOCList", EntryPoint(&List)},
                {"OCAPI_GetSingleHealthData", EntryPoint(&Health)},
                {"OCAPI_ACPI_OC_CheckWorkable", EntryPoint(&CheckWorkable)}};
    }
};

// The start-up order against the simulated board, loaded from beside the executable.
TEST_F(AcpiInterface, TheSimulatedBoardAnswersInTheCallingOrder) {
    SetExeNameForTesting(std::string(SIMULATED_DRIVERS_DIR) + "/hushwave");
    const int modules = LoadedModuleCount();
    ASSERT_TRUE(LoadOCDll());
    const HMODULE loaded = hOCDll;
    ASSERT_TRUE(LoadOCDll()) << "loaded already";
    EXPECT_EQ(hOCDll, loaded);
    EXPECT_EQ(LoadedModuleCount(), modules + 1);

    ASSERT_TRUE(BindOCEntryPoints());
    EXPECT_EQ(pOCAPI_ACPI_OC_CheckWorkable, nullptr) << "bound only after initialisation";
    ASSERT_NE(pOCAPI_Initialization(), 0);
    ASSERT_TRUE(BindOCCheckWorkable());
    int32_t flag = 0;
    pOCAPI_ACPI_OC_CheckWorkable(OPTION_HWX, &flag);
    ASSERT_NE(flag, 0);
    EXPECT_NE(pOCAPI_ACPI_OC_GetCurrentOption(OPTION_HWX), 0u);
    const int32_t count = pOCAPI_GetACPIOCList(LIST_EXT_FREQ, nullptr);
    ASSERT_EQ(count, 7);
    std::vector<WORD> list(count);
    EXPECT_EQ(pOCAPI_GetACPIOCList(LIST_EXT_FREQ, list.data()), count);
    EXPECT_EQ(list.front(), 20000);
    EXPECT_LT(pOCAPI_ACPI_OC_GetCurrentOption(OPTION_FSB_INDEX), static_cast<DWORD>(count));
    EXPECT_GT(pOCAPI_GetSingleHealthData(ITEM_VCORE), 0);

    CloseOCDll();
    EXPECT_FALSE(hOCDll);
    EXPECT_EQ(pOCAPI_Initialization, nullptr);
    EXPECT_EQ(LoadedModuleCount(), modules);
}

TEST_F(AcpiInterface, ALibraryThatIsNotBesideTheExecutableIsNotLoaded) {
    SetExeNameForTesting("/nonexistent/hushwave");
    EXPECT_FALSE(LoadOCDll());
    CloseOCDll();
}

TEST_F(AcpiInterface, EachMissingEntryPointMakesItsBindingFail) {
    for (const char* missing :
         {"OCAPI_Initialization", "OCAPI_Close", "OCAPI_ACPI_OC_GetCurrentOption",
          "OCAPI_GetACPIOCList", "OCAPI_GetSingleHealthData"}) {
        std::map<std::string, FARPROC> entries = AllSix();
        entries.erase(missing);
        RegisterInProcessLibrary(FILE_NAME_OC_DLL, entries);
        ASSERT_TRUE(LoadOCDll());
        EXPECT_FALSE(BindOCEntryPoints()) << missing;
        EXPECT_TRUE(BindOCCheckWorkable());
        CloseOCDll();
    }
    std::map<std::string, FARPROC> entries = AllSix();
    entries.erase("OCAPI_ACPI_OC_CheckWorkable");
    RegisterInProcessLibrary(FILE_NAME_OC_DLL, entries);
    ASSERT_TRUE(LoadOCDll());
    EXPECT_TRUE(BindOCEntryPoints());
    EXPECT_FALSE(BindOCCheckWorkable());
}

} // namespace
