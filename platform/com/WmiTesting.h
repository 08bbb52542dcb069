#pragma once
// Test seams of the COM layer.

#include <string>

// Where Win32_Processor reads the SMBIOS table from; an empty path restores the firmware's.
void SetDmiTablePathForTesting(std::string path);

// Files the helper asked for the external clock reads instead of the machine's, when the table
// above cannot be read; two empty paths restore the machine's.
void SetHelperStandInsForTesting(std::string msrFile, std::string dmiFile);

// How many COM objects exist now, so tests can see that every one was released.
int LiveComObjectCount();
