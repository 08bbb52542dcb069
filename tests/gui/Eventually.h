#pragma once

#include <chrono>
#include <thread>

// Asks `holds` again and again until it answers true or `timeoutMs` passed; returns its last
// answer. The program under test runs in its own process, so the tests only wait and look.
template <class Check> bool Eventually(Check holds, int timeoutMs) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!holds()) {
        if (std::chrono::steady_clock::now() >= end) {
            return holds();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    return true;
}
