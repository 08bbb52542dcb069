#pragma once
// Time as the program sees it. Everything that waits or reads the time goes through the
// current clock, so tests replace it with a virtual one and advance it instead of sleeping.

#include "platform/kernel/Types.h"

#include <poll.h>

#include <cstdint>
#include <ctime>
#include <span>

class Clock {
public:
    virtual ~Clock();

    // Milliseconds on a monotonic scale with an arbitrary origin.
    virtual uint64_t NowMs() = 0;
    virtual void Sleep(DWORD ms) = 0;
    virtual std::tm LocalTime() = 0;

    // Waits until one of the descriptors is ready or the time-out (milliseconds, -1 for none)
    // has passed. Returns the number of ready descriptors, as poll() does.
    virtual int Poll(std::span<pollfd> fds, int timeoutMs) = 0;
};

// The real clock: steady time, local wall time, real sleeps.
class SystemClock final : public Clock {
public:
    uint64_t NowMs() override;
    void Sleep(DWORD ms) override;
    std::tm LocalTime() override;
    int Poll(std::span<pollfd> fds, int timeoutMs) override;
};

// A clock that moves only when told to or slept on. Waiting for descriptors looks at them
// without blocking; when none is ready the whole time-out passes at once.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(std::tm localStart = DefaultStart());

    uint64_t NowMs() override { return m_now; }
    void Sleep(DWORD ms) override { Advance(ms); }
    std::tm LocalTime() override;
    int Poll(std::span<pollfd> fds, int timeoutMs) override;

    void Advance(uint64_t ms) { m_now += ms; }
    void SetLocalTime(const std::tm& local);
    // Sum of all sleeps and waits since construction.
    uint64_t Elapsed() const { return m_now - m_origin; }

    static std::tm DefaultStart();

private:
    uint64_t m_origin = 1'000'000;
    uint64_t m_now = m_origin;
    std::tm m_localStart{};
    uint64_t m_localStartAt = m_origin;
};

Clock& CurrentClock();
// nullptr restores the system clock.
void SetClock(Clock* clock);
