#pragma once
// The program from its entry point on the headless window system, with a virtual clock and
// the maker's libraries replaced in process, and what its window shows read back from the
// window's surface. Process-wide state of the program (bindings, the last shown values) lives
// once per process, as in the program itself; each test starts it afresh, so the tests pass
// alone, together, shuffled and repeated.

#include "platform/kernel/Clock.h"
#include "platform/kernel/Types.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The virtual clock, with a look at every pause between two passes of a sweep: the pass has
// been drawn then, and the window shows it.
class PassClock final : public Clock {
public:
    uint64_t NowMs() override { return m_clock.NowMs(); }
    void Sleep(DWORD ms) override;
    std::tm LocalTime() override { return m_clock.LocalTime(); }
    int Poll(std::span<pollfd> fds, int timeoutMs) override { return m_clock.Poll(fds, timeoutMs); }

    std::function<void()> onPass;

private:
    VirtualClock m_clock;
};

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the program until `quitAfterMs` of virtual time after its window exists (or at
    // once when the start-up ends it); `during` runs at each 5 ms tick of the test's own.
    // Checks ExpectReleased when the program has ended.
    void RunProgram(const char* commandLine, int quitAfterMs = 0,
                    std::function<void(uint64_t)> during = {});
    // After every run, however it ended: the I/O driver closed, the board library closed
    // when it was initialised, and unloaded.
    static void ExpectReleased();
    // Ends the running program from inside `during`.
    static void Quit();

    std::vector<std::string> LogLines() const;
    int Count(const std::string& prefix) const;

    std::filesystem::path m_folder;
    PassClock m_clock;
};

// FID codes in the low half of the status register, VID codes in the high half.
DWORD FidHalf(int max, int start, int curr);
DWORD VidHalf(int max, int start, int curr);

// The digits a row of images shows ("imgCPU", 7, "imglstNumL"), matched against the image
// list's pictures; '?' where no picture matches.
std::string DigitsOnWindow(const char* prefix, int count, const char* list);
// The voltage bar's level: the picture of imglstCPUPerf that imgVIDPerc shows, -1 for none.
int VoltageBarOnWindow();
// The arc's frame at (49, 59): the bar frame whose opaque pixels all show there, -1 for none.
int ArcFrameOnWindow();
// Paints over the arc, so that only a new drawing of a frame shows one there again.
void CoverArc();
// The tray icon's hint.
std::string TrayHint();
