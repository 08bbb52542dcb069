#include "platform/window/WindowSystem.h"

#include "platform/backend/headless/HeadlessWindowSystem.h"

namespace {
std::unique_ptr<WindowSystem>& Installed() {
    static std::unique_ptr<WindowSystem> system;
    return system;
}
} // namespace

WindowSystem::~WindowSystem() = default;

WindowSystem& CurrentWindowSystem() {
    auto& system = Installed();
    if (!system) {
        system = std::make_unique<HeadlessWindowSystem>();
    }
    return *system;
}

void InstallWindowSystem(std::unique_ptr<WindowSystem> system) {
    Installed() = std::move(system);
}
