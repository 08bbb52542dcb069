#pragma once
// Test seams of the COM layer.

#include <string>

// Where Win32_Processor reads the SMBIOS table from; an empty path restores the firmware's.
void SetDmiTablePathForTesting(std::string path);

// How many COM objects exist now, so tests can see that every one was released.
int LiveComObjectCount();
