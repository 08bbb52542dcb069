#pragma once
// What the start-up sequence learnt of the board's ACPI interface; written once, read by every
// display update.

#include "platform/kernel/Types.h"

#include <cstdint>
#include <memory>

extern bool bACPISupport;
extern int32_t nCPUExtFreqNum;
// nCPUExtFreqNum external clocks in hundredths of a MHz, kept until the process ends.
extern std::unique_ptr<WORD[]> lpCPUExtFreqList;
