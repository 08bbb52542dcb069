#pragma once
// Where the firmware's SMBIOS table is read from.

#include <string>

std::string DmiTablePath();
