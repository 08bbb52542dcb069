#include "platform/kernel/Clock.h"

#include <cerrno>
#include <chrono>
#include <thread>

Clock::~Clock() = default;

uint64_t SystemClock::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::Sleep(DWORD ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::tm SystemClock::LocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

int SystemClock::Poll(std::span<pollfd> fds, int timeoutMs) {
    int ready;
    do {
        ready = poll(fds.data(), fds.size(), timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready;
}

VirtualClock::VirtualClock(std::tm localStart) : m_localStart(localStart) {}

std::tm VirtualClock::DefaultStart() {
    std::tm start{};
    start.tm_year = 2026 - 1900;
    start.tm_mon = 0;
    start.tm_mday = 2;
    start.tm_hour = 9;
    start.tm_min = 41;
    start.tm_sec = 7;
    start.tm_isdst = -1;
    return start;
}

std::tm VirtualClock::LocalTime() {
    std::tm local = m_localStart;
    local.tm_sec += static_cast<int>((m_now - m_localStartAt) / 1000);
    timegm(&local); // normalises the fields without consulting the time zone
    return local;
}

void VirtualClock::SetLocalTime(const std::tm& local) {
    m_localStart = local;
    m_localStartAt = m_now;
}

int VirtualClock::Poll(std::span<pollfd> fds, int timeoutMs) {
    int ready = fds.empty() ? 0 : poll(fds.data(), fds.size(), 0);
    if (ready == 0 && timeoutMs > 0) {
        Advance(static_cast<uint64_t>(timeoutMs));
    }
    return ready;
}

namespace {
Clock* current = nullptr;
} // namespace

Clock& CurrentClock() {
    static SystemClock system;
    return current != nullptr ? *current : system;
}

void SetClock(Clock* clock) {
    current = clock;
}
