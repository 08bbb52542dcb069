#pragma once
// The "\\.\" device namespace that CreateFileA opens. Nothing is registered on Linux, so an
// open fails as on a machine without the driver; tests register devices to run that path.
// An open handle keeps its device alive after the device is unregistered.

#include "platform/kernel/Types.h"

#include <memory>
#include <span>
#include <string>

class Device {
public:
    virtual ~Device();

    // Answers one control request: writes at most out.size() bytes into `out` and sets
    // `returned` to their number. FALSE, with the last error set, for a refused request.
    virtual BOOL Control(DWORD code, std::span<const BYTE> in, std::span<BYTE> out,
                         DWORD& returned) = 0;
};

// Names are matched in any letter case, as Windows matches device names.
void RegisterDevice(const std::string& name, std::shared_ptr<Device> device);
void UnregisterDevice(const std::string& name);
void ClearDevices();
