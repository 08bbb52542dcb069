// One display pass of the readout (frequency bar frame, seven frequency digits, six voltage
// digits and the voltage bar, each presented) against a plain copy of the same pixels.

#include "app/TTfrmMain.h"
#include "app/WinMain.h"
#include "platform/application/TApplication.h"
#include "platform/com/WmiTesting.h"
#include "platform/graphics/Surface.h"
#include "platform/kernel/Clock.h"
#include "platform/kernel/Process.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/WindowCalls.h"
#include "tests/e2e/FakeBoard.h"
#include "tests/hardware/FakeIoDriver.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The program started on fake libraries, with a clock whose sleeps cost nothing.
class RunningProgram {
public:
    RunningProgram() {
        m_folder = fs::temp_directory_path() / ("hushwave-bench-" + std::to_string(getpid()));
        fs::create_directories(m_folder / "RES");
        for (int i = 0; i <= 20; ++i) {
            std::string name = (i < 10 ? "bar_0" : "bar_") + std::to_string(i) + ".bmp";
            fs::copy_file(fs::path(HUSHWAVE_SKIN_DIR) / name, m_folder / "RES" / name,
                          fs::copy_options::overwrite_existing);
        }
        SetExeNameForTesting((m_folder / "hushwave").string());
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
        SetDmiTablePathForTesting((m_folder / "none").string());
        SetClock(&m_clock);
        RegisterFakeZuDA();
        RegisterFakeZOverclk();
        SetFakeCpuId(0x80000007, 0, 0x6);
        SetFakeCpuId(0x80000001, 0x4, 0);
        SetFakeMsr((14 << 16) | (14 << 8) | 14, (2 << 16) | (2 << 8) | 6);
        m_application = std::make_unique<TApplication>(nullptr);
        m_application->CreateForm(frmMain);
    }
    ~RunningProgram() {
        m_application.reset();
        MessageLoop::Instance().Reset();
        SetClock(nullptr);
        fs::remove_all(m_folder);
    }

private:
    fs::path m_folder;
    VirtualClock m_clock;
    std::unique_ptr<TApplication> m_application;
};

RunningProgram& Program() {
    static RunningProgram program;
    return program;
}

void BM_ShowEffectPass(benchmark::State& state) {
    Program();
    FIDVIDCodes fid{14, 14, 14}, vid{2, 2, 6};
    for (auto _ : state) {
        // The same reading again: one pass that redraws every digit and both bars.
        frmMain->ShowEffect(fid, vid);
    }
}
BENCHMARK(BM_ShowEffectPass);

// Timer2's redraw of the bar frame onto the window when nothing drew there since its last one.
void BM_BarFrameRedrawUnchanged(benchmark::State& state) {
    Program();
    frmMain->Timer2Timer(nullptr);
    for (auto _ : state) {
        frmMain->Timer2Timer(nullptr);
    }
}
BENCHMARK(BM_BarFrameRedrawUnchanged);

// The pixels one pass puts on the window: the 296 x 88 arc frame, 7 digits of 22 x 27,
// 6 of 9 x 12 and the 79 x 10 voltage bar, copied row by row between two surfaces.
void BM_PlainCopyOfThePassPixels(benchmark::State& state) {
    Surface from(385, 215), to(385, 215);
    struct Box {
        int x, y, w, h;
    };
    std::vector<Box> boxes{{49, 59, 296, 88}, {173, 177, 79, 10}};
    for (int i = 0; i < 7; ++i) {
        boxes.push_back({170 + 24 * i, 114, 22, 27});
    }
    for (int i = 0; i < 6; ++i) {
        boxes.push_back({262 + 10 * i, 176, 9, 12});
    }
    for (auto _ : state) {
        for (const Box& b : boxes) {
            for (int y = b.y; y < b.y + b.h; ++y) {
                std::memcpy(to.Row(y) + b.x, from.Row(y) + b.x, size_t(b.w) * 4);
            }
        }
        benchmark::DoNotOptimize(to.Bits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainCopyOfThePassPixels);

} // namespace

BENCHMARK_MAIN();
