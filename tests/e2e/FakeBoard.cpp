#include "tests/e2e/FakeBoard.h"

#include "platform/kernel/InProcessLibraries.h"

#include <algorithm>

namespace {

int32_t Initialization() {
    ++FakeBoard().initializations;
    return FakeBoard().initialization;
}

int32_t Close() {
    ++FakeBoard().closes;
    return 1;
}

int32_t CheckWorkable(DWORD option, int32_t* flag) {
    *flag = option == 0x0106000C && FakeBoard().optionQueryable ? 1 : 0;
    return 1;
}

DWORD GetCurrentOption(DWORD option) {
    FakeBoardState& board = FakeBoard();
    if (option == 0x0106000C) {
        return board.biosOption;
    }
    size_t at = std::min(static_cast<size_t>(board.fsbQueries), board.fsbIndexes.size() - 1);
    ++board.fsbQueries;
    return board.fsbIndexes[at];
}

int32_t GetList(DWORD list, WORD* entries) {
    const std::vector<WORD>& clocks = FakeBoard().extClocks;
    if (list != 1) {
        return 0;
    }
    if (entries != nullptr) {
        std::copy(clocks.begin(), clocks.end(), entries);
    }
    return static_cast<int32_t>(clocks.size());
}

int32_t Health(DWORD item) {
    return item == 0x06020000 ? FakeBoard().vcoreMillivolts : 0;
}

} // namespace

FakeBoardState& FakeBoard() {
    static FakeBoardState state;
    return state;
}

void ResetFakeBoard() {
    FakeBoard() = FakeBoardState{};
}

void RegisterFakeZOverclk() {
    RegisterInProcessLibrary("ZOverclk.dll",
                             {{"OCAPI_Initialization", EntryPoint(&Initialization)},
                              {"OCAPI_Close", EntryPoint(&Close)},
                              {"OCAPI_ACPI_OC_CheckWorkable", EntryPoint(&CheckWorkable)},
                              {"OCAPI_ACPI_OC_GetCurrentOption", EntryPoint(&GetCurrentOption)},
                              {"OCAPI_GetACPIOCList", EntryPoint(&GetList)},
                              {"OCAPI_GetSingleHealthData", EntryPoint(&Health)}});
}
