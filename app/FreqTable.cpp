#include "app/FreqTable.h"

int32_t FreqTable[kFreqTableSize];

void FillFreqTable() {
    for (int i = 0; i < kFreqTableSize; ++i) {
        FreqTable[i] = 800 + 200 * i;
    }
}

int32_t FrequencyForFid(int32_t fid) {
    int32_t index = fid / 2;
    if (index >= 0 && index < kFreqTableSize) {
        return FreqTable[index];
    }
    return 800 + 200 * (index < 0 ? 0 : index);
}
