#pragma once
// The external clock as hushwave-msr beside the executable reads it from the firmware's SMBIOS
// table, for a process that may not read the table itself. The helper is started, asked and
// ended once; its answer, or that it gave none, is kept for the rest of the process, since the
// table does not change while the machine runs.

#include <cstdint>
#include <optional>

std::optional<uint16_t> HelperExternalClockMHz();
