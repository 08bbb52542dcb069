#pragma once
// The binding of the board's ACPI interface library "ZOverclk.dll" (device "ZVR0710"), which
// tells whether the BIOS has the frequency/voltage feature enabled, which external clock is
// set, and the measured core voltage. The library is loaded from the executable's folder and
// unloaded at exit. Calling order:
//
//   LoadOCDll, BindOCEntryPoints (five names), OCAPI_Initialization once; only when that
//   returned nonzero BindOCCheckWorkable and OCAPI_ACPI_OC_CheckWorkable(OPTION_HWX, &flag);
//   with the flag set OCAPI_ACPI_OC_GetCurrentOption(OPTION_HWX); then list 1 once, its count
//   with no buffer and its entries into a buffer of exactly that count. During the run,
//   option OPTION_FSB_INDEX and item ITEM_VCORE on every display update. CloseOCDll last.

#include "platform/kernel/Handle.h"
#include "platform/kernel/Types.h"

#include <cstdint>

inline constexpr const char* FILE_NAME_OC_DLL = "ZOverclk.dll";

constexpr DWORD OPTION_HWX = 0x0106000C;       // 0: the feature is disabled in the BIOS
constexpr DWORD OPTION_FSB_INDEX = 0x01010000; // index of the external clock into list 1
constexpr DWORD LIST_EXT_FREQ = 1;             // external clocks in hundredths of a MHz
constexpr DWORD ITEM_VCORE = 0x06020000;       // core voltage in millivolts; <= 0: none

using OCAPI_InitializationProc = int32_t (*)();
using OCAPI_CloseProc = int32_t (*)();
using OCAPI_ACPI_OC_CheckWorkableProc = int32_t (*)(DWORD option, int32_t* flag);
using OCAPI_ACPI_OC_GetCurrentOptionProc = DWORD (*)(DWORD option);
using OCAPI_GetACPIOCListProc = int32_t (*)(DWORD list, WORD* entries);
using OCAPI_GetSingleHealthDataProc = int32_t (*)(DWORD item);

extern HMODULE hOCDll;
extern OCAPI_InitializationProc pOCAPI_Initialization;
extern OCAPI_CloseProc pOCAPI_Close;
extern OCAPI_ACPI_OC_GetCurrentOptionProc pOCAPI_ACPI_OC_GetCurrentOption;
extern OCAPI_GetACPIOCListProc pOCAPI_GetACPIOCList;
extern OCAPI_GetSingleHealthDataProc pOCAPI_GetSingleHealthData;
extern OCAPI_ACPI_OC_CheckWorkableProc pOCAPI_ACPI_OC_CheckWorkable;

// Loads the library from the executable's folder unless it is loaded already; false when it
// cannot be loaded.
bool LoadOCDll();
// Looks up OCAPI_Initialization, OCAPI_Close, OCAPI_ACPI_OC_GetCurrentOption,
// OCAPI_GetACPIOCList and OCAPI_GetSingleHealthData, in this order; false when one is missing.
bool BindOCEntryPoints();
// Looks up OCAPI_ACPI_OC_CheckWorkable; false when it is missing.
bool BindOCCheckWorkable();
// Calls OCAPI_Close when it is bound, unloads the library and forgets every entry point.
void CloseOCDll();
