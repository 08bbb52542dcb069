#include "drivers/simulation/CpuModel.h"

namespace zvsim {

const std::vector<CpuModel>& CpuModels() {
    static const std::vector<CpuModel> models = {
        {"athlon64-3200",
         "AMD Athlon(tm) 64 Processor 3200+",
         0x00020FF0,
         0x04,
         10,
         false,
         {{0xC, 0x06}, {0xA, 0x08}, {0x2, 0x12}}},
        {"athlon64-fx55",
         "AMD Athlon(tm) 64 FX-55 Processor",
         0x00000F7A,
         0x24,
         31,
         false,
         {{0x12, 0x02}, {0x4, 0x12}}},
        {"sempron-3400",
         "AMD Sempron(tm) Processor 3400+",
         0x00020FC2,
         0x22,
         12,
         false,
         {{0xA, 0x08}, {0x2, 0x12}}},
        {"turion64-ml34",
         "AMD Turion(tm) 64 Mobile Technology ML-34",
         0x00020F42,
         0x0A,
         8,
         true,
         {{0xA, 0x04}, {0x8, 0x06}, {0x0, 0x16}}},
        {"mobile-athlon64-3200",
         "Mobile AMD Athlon(tm) 64 Processor 3200+",
         0x00020F42,
         0x08,
         10,
         true,
         {{0xC, 0x06}, {0xA, 0x0A}, {0x8, 0x0E}, {0x0, 0x18}}},
    };
    return models;
}

const CpuModel* FindCpuModel(std::string_view name) {
    for (const CpuModel& model : CpuModels()) {
        if (model.name == name) {
            return &model;
        }
    }
    return nullptr;
}

} // namespace zvsim
