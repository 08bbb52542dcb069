#pragma once
// The board's ACPI library, registered in process as "ZOverclk.dll", answering from settings
// a test chooses.

#include "platform/kernel/Types.h"

#include <cstdint>
#include <vector>

struct FakeBoardState {
    int32_t initialization = 1;
    bool optionQueryable = true; // what CheckWorkable says of the BIOS option
    DWORD biosOption = 1;        // 0: the feature is disabled
    std::vector<WORD> extClocks{20000};
    std::vector<DWORD> fsbIndexes{0}; // answered in turn, the last one for ever
    int32_t vcoreMillivolts = 0;
    int fsbQueries = 0;
    int initializations = 0;
    int closes = 0;
};

FakeBoardState& FakeBoard();
void ResetFakeBoard();
void RegisterFakeZOverclk();
