#pragma once
// Common ground of the hardware tests: a clean binding, the fake driver, recorded message
// boxes and the log file beside a test executable name.

#include "app/Log.h"
#include "hardware/IoAccess.h"
#include "hardware/ProcessorCapability.h"
#include "hardware/VIDVolts.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/kernel/DeviceNamespace.h"
#include "platform/kernel/InProcessLibraries.h"
#include "platform/kernel/Process.h"
#include "tests/hardware/FakeIoDriver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

class HardwareTest : public testing::Test {
protected:
    void SetUp() override {
        ResetFakeIo();
        UnbindIoAccessForTesting();
        bIsNT = true;
        BrandCode = 0;
        bDebugLog = false;
        FillVIDVolts();
        TakeRecordedMessageBoxes();
        std::filesystem::create_directories(folder);
        SetExeNameForTesting((folder / "hushwave").string());
    }

    void TearDown() override {
        bDebugLog = false;
        ClearInProcessLibraries();
        ClearDevices();
        UnbindIoAccessForTesting();
        SetExeNameForTesting("");
        std::filesystem::remove_all(folder);
    }

    // The texts of the log's lines, without their timestamps.
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        std::ifstream in(folder / "hushwave.log");
        for (std::string line; std::getline(in, line);) {
            const size_t separator = line.find(" - ");
            lines.push_back(separator == std::string::npos ? line : line.substr(separator + 3));
        }
        return lines;
    }

    bool LogExists() const { return std::filesystem::exists(folder / "hushwave.log"); }

    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / ("hardware-" + std::to_string(getpid()));
};
