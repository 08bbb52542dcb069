// The pieces of the simulated machine: models, identification leaves, load, governor and the
// timing of moves between operating points.
#include "drivers/simulation/CpuIdLeaves.h"
#include "drivers/simulation/CpuLoadMeter.h"
#include "drivers/simulation/CpuModel.h"
#include "drivers/simulation/FidVidTransitions.h"
#include "drivers/simulation/OnDemandGovernor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace zvsim;

TEST(CpuModel, DesktopPartsStartAtTheTopAndMobilePartsAtFidZero) {
    for (const CpuModel& model : CpuModels()) {
        SCOPED_TRACE(std::string(model.name));
        EXPECT_EQ(model.StartPoint().fid == 0, model.mobile);
        EXPECT_EQ(model.StartPoint() == model.Highest(), !model.mobile);
        for (size_t i = 1; i < model.points.size(); ++i) {
            EXPECT_LT(model.points[i].fid, model.points[i - 1].fid);
            EXPECT_GT(model.points[i].vid, model.points[i - 1].vid); // lower voltage
        }
    }
    const CpuModel* fx = FindCpuModel("athlon64-fx55");
    ASSERT_NE(fx, nullptr);
    EXPECT_EQ(MegahertzOf(fx->Highest().fid), 2600);
    EXPECT_EQ(MillivoltsOf(fx->Highest().vid), 1500);
    EXPECT_EQ(FindCpuModel("athlon64"), nullptr);
    EXPECT_EQ(CpuModels().front().name, "athlon64-3200");
}

TEST(CpuIdLeaves, PowerManagementBrandAndRange) {
    const CpuModel& model = *FindCpuModel("athlon64-fx55");
    std::optional<CpuIdRegisters> power = CpuIdLeaf(model, 0x80000007);
    ASSERT_TRUE(power);
    EXPECT_EQ(power->edx & 6, 6u);
    std::optional<CpuIdRegisters> ext = CpuIdLeaf(model, 0x80000001);
    ASSERT_TRUE(ext);
    EXPECT_EQ((ext->ebx >> 6) & 0x3F, 0x24u); // brand table index
    EXPECT_EQ(ext->eax >> 8 & 0xF, 0xFu);     // family 0Fh
    std::optional<CpuIdRegisters> brand = CpuIdLeaf(model, 0x80000002);
    ASSERT_TRUE(brand);
    EXPECT_EQ(brand->eax, 0x20444D41u); // "AMD "
    EXPECT_FALSE(CpuIdLeaf(model, 2));
    EXPECT_FALSE(CpuIdLeaf(model, 0x80000009));
    EXPECT_TRUE(CpuIdLeaf(model, 0x80000005)); // reserved in range: zeros
}

TEST(ProcStat, PerProcessorLinesOrTheTotalLine) {
    auto each = ParseProcStat("cpu  10 0 10 80 0 0 0 0 0 0\n"
                              "cpu0 5 0 5 40 0 0 0 0 0 0\n"
                              "cpu1 5 1 4 30 10 0 0 0 0 0\n"
                              "intr 1 2 3\n");
    ASSERT_TRUE(each);
    ASSERT_EQ(each->size(), 2u);
    EXPECT_EQ((*each)[1].busy, 10u);
    EXPECT_EQ((*each)[1].total, 50u);
    auto all = ParseProcStat("cpu  1 2 3 4\nctxt 5\n");
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), 1u);
    EXPECT_EQ((*all)[0].busy, 6u);
    EXPECT_FALSE(ParseProcStat("cpu0 1 x 3 4\n"));
    EXPECT_FALSE(ParseProcStat("cpu0 1 2\n"));
    EXPECT_FALSE(ParseProcStat("intr 1\n"));
}

TEST(CpuLoadMeter, LoadOfTheBusiestProcessorBetweenSamples) {
    const std::string path = testing::TempDir() + "stat-" + std::to_string(getpid());
    auto write = [&](const char* text) { std::ofstream(path) << text; };
    CpuLoadMeter meter(path);
    write("cpu0 0 0 0 100 0 0 0 0\ncpu1 0 0 0 100 0 0 0 0\n");
    EXPECT_EQ(meter.Sample(), std::nullopt);
    write("cpu0 10 0 0 190 0 0 0 0\ncpu1 90 0 0 110 0 0 0 0\n");
    EXPECT_DOUBLE_EQ(meter.Sample().value(), 0.9);
    write("cpu0 10 0 0 190 0 0 0 0\ncpu1 90 0 0 110 0 0 0 0\n");
    EXPECT_EQ(meter.Sample(), std::nullopt); // no time has passed
    std::filesystem::remove(path);
    EXPECT_EQ(meter.Sample(), std::nullopt);
}

TEST(OnDemandGovernor, BusyGoesToTheTopIdleToTheLowestPointThatCarriesTheLoad) {
    const CpuModel& model = *FindCpuModel("mobile-athlon64-3200"); // 2000 1800 1600 800
    struct Row {
        size_t current;
        double load;
        size_t target;
    } rows[] = {
        {3, 0.81, 0}, {2, 1.0, 0},  {0, 0.80, 0}, {0, 0.70, 0}, {3, 0.75, 3},
        {0, 0.60, 1}, {0, 0.55, 2}, {0, 0.0, 3},  {1, 0.50, 2}, {0, 0.64, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(OnDemandTarget(model, row.current, row.load), row.target)
            << "from " << row.current << " at load " << row.load;
    }
}

TEST(FidVidTransitions, UpRaisesTheVoltageFirstDownLowersTheFrequencyFirst) {
    FidVidTransitions machine({0x2, 0x12});
    const OperatingPoint up[] = {{0xA, 0x10}};
    machine.Plan(up, 1000);
    machine.ApplyUntil(999);
    EXPECT_FALSE(machine.Pending());
    machine.ApplyUntil(1000);
    EXPECT_TRUE(machine.Pending());
    EXPECT_EQ(machine.Current(), (OperatingPoint{0x2, 0x12}));
    machine.ApplyUntil(1000 + kVidCodeUs);
    EXPECT_EQ(machine.Current(), (OperatingPoint{0x2, 0x11}));
    const uint64_t fidAt = 1000 + 2 * kVidCodeUs + kVoltageSettleUs + kPllLockUs;
    machine.ApplyUntil(fidAt - 1);
    EXPECT_EQ(machine.Current(), (OperatingPoint{0x2, 0x10}));
    machine.ApplyUntil(fidAt);
    EXPECT_EQ(machine.Current(), (OperatingPoint{0xA, 0x10}));
    EXPECT_TRUE(machine.Pending());
    machine.ApplyUntil(fidAt + kIsochronousReliefUs);
    EXPECT_FALSE(machine.Pending());
    EXPECT_TRUE(machine.Idle());
    EXPECT_EQ(machine.IdleSinceUs(), fidAt + kIsochronousReliefUs);

    const OperatingPoint down[] = {{0x2, 0x12}};
    machine.Plan(down, 5000);
    machine.ApplyUntil(5000 + kPllLockUs);
    EXPECT_EQ(machine.Current(), (OperatingPoint{0x2, 0x10}));
    machine.ApplyUntil(5000 + kPllLockUs + kIsochronousReliefUs + kVidCodeUs);
    EXPECT_EQ(machine.Current(), (OperatingPoint{0x2, 0x11}));
}

TEST(FidVidTransitions, SeveralStepsStayPendingThroughoutAndPlansWaitForIdle) {
    FidVidTransitions machine({0xC, 0x06});
    const OperatingPoint steps[] = {{0xA, 0x08}, {0x2, 0x12}};
    machine.Plan(steps, 0);
    const OperatingPoint other[] = {{0xC, 0x06}};
    machine.Plan(other, 1); // ignored while moving
    uint64_t t = 0;
    while (!machine.Idle()) {
        machine.ApplyUntil(++t);
        if (!machine.Idle()) {
            EXPECT_TRUE(machine.Pending()) << t;
        }
    }
    EXPECT_EQ(machine.Current(), (OperatingPoint{0x2, 0x12}));
    EXPECT_FALSE(machine.Pending());
    EXPECT_LT(t, 2000u); // well under the governor's sampling period
}
