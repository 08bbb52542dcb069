#include "hardware/VIDVolts.h"

float VIDVolts[32] = {};

void FillVIDVolts() {
    for (int i = 0; i < 32; ++i) {
        // Computed in double and only then stored, so every entry is the float nearest to
        // its exact voltage.
        VIDVolts[i] = static_cast<float>(1.55 - 0.025 * (i + 1));
    }
}
