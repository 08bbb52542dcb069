#pragma once
// The board's ACPI interface library: six entry points, and the option, list and item codes
// the program asks for.

#include "drivers/DriverExport.h"

#include <cstdint>

inline constexpr uint32_t kOptionFeatureEnabled = 0x0106000C;     // 0: disabled in the BIOS setup
inline constexpr uint32_t kOptionExternalClockIndex = 0x01010000; // index into list 1
inline constexpr uint32_t kListExternalClocks = 1;       // external clocks in hundredths of a MHz
inline constexpr uint32_t kItemCoreVoltage = 0x06020000; // millivolts; 0 or less: no reading

// Nonzero when the interface is present and usable.
DRIVER_EXPORT int32_t OCAPI_Initialization();
DRIVER_EXPORT int32_t OCAPI_Close();
// Sets *workable nonzero when the option can be queried, else 0; returns nonzero when it did.
DRIVER_EXPORT int32_t OCAPI_ACPI_OC_CheckWorkable(uint32_t option, int32_t* workable);
// The option's value; 0 for an option the board does not have.
DRIVER_EXPORT uint32_t OCAPI_ACPI_OC_GetCurrentOption(uint32_t option);
// The list's entry count; with a buffer, also copies that many entries into it.
DRIVER_EXPORT int32_t OCAPI_GetACPIOCList(uint32_t list, uint16_t* entries);
// The item's reading; 0 for an item the board does not measure.
DRIVER_EXPORT int32_t OCAPI_GetSingleHealthData(uint32_t item);
