#include "hardware/AcpiInterface.h"

#include "platform/core/SysUtils.h"
#include "platform/kernel/Library.h"
#include "platform/kernel/Process.h"

#include <string>

HMODULE hOCDll;
OCAPI_InitializationProc pOCAPI_Initialization = nullptr;
OCAPI_CloseProc pOCAPI_Close = nullptr;
OCAPI_ACPI_OC_GetCurrentOptionProc pOCAPI_ACPI_OC_GetCurrentOption = nullptr;
OCAPI_GetACPIOCListProc pOCAPI_GetACPIOCList = nullptr;
OCAPI_GetSingleHealthDataProc pOCAPI_GetSingleHealthData = nullptr;
OCAPI_ACPI_OC_CheckWorkableProc pOCAPI_ACPI_OC_CheckWorkable = nullptr;

namespace {

template <class Proc> bool Bind(Proc& entry, const char* name) {
    entry = reinterpret_cast<Proc>(GetProcAddress(hOCDll, name));
    return entry != nullptr;
}

} // namespace

bool LoadOCDll() {
    if (!hOCDll) {
        const std::string path = ExtractFilePath(ApplicationExeName()) + FILE_NAME_OC_DLL;
        hOCDll = LoadLibraryA(path.c_str());
    }
    return static_cast<bool>(hOCDll);
}

bool BindOCEntryPoints() {
    bool bound = Bind(pOCAPI_Initialization, "OCAPI_Initialization");
    bound &= Bind(pOCAPI_Close, "OCAPI_Close");
    bound &= Bind(pOCAPI_ACPI_OC_GetCurrentOption, "OCAPI_ACPI_OC_GetCurrentOption");
    bound &= Bind(pOCAPI_GetACPIOCList, "OCAPI_GetACPIOCList");
    bound &= Bind(pOCAPI_GetSingleHealthData, "OCAPI_GetSingleHealthData");
    return bound;
}

bool BindOCCheckWorkable() {
    return Bind(pOCAPI_ACPI_OC_CheckWorkable, "OCAPI_ACPI_OC_CheckWorkable");
}

void CloseOCDll() {
    if (!hOCDll) {
        return;
    }
    if (pOCAPI_Close != nullptr) {
        pOCAPI_Close();
    }
    FreeLibrary(hOCDll);
    hOCDll = HMODULE{};
    pOCAPI_Initialization = nullptr;
    pOCAPI_Close = nullptr;
    pOCAPI_ACPI_OC_GetCurrentOption = nullptr;
    pOCAPI_GetACPIOCList = nullptr;
    pOCAPI_GetSingleHealthData = nullptr;
    pOCAPI_ACPI_OC_CheckWorkable = nullptr;
}
