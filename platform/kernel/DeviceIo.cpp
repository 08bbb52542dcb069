#include "platform/kernel/DeviceIo.h"

#include "platform/kernel/DeviceNamespace.h"
#include "platform/kernel/KernelObjects.h"
#include "platform/kernel/LastError.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

namespace {

constexpr std::string_view kDevicePrefix = "\\\\.\\";

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::map<std::string, std::shared_ptr<Device>>& Devices() {
    static std::map<std::string, std::shared_ptr<Device>> devices;
    return devices;
}

class DeviceFile final : public KernelObject {
public:
    explicit DeviceFile(std::shared_ptr<Device> device) : m_device(std::move(device)) {}
    Device& Target() const { return *m_device; }

private:
    std::shared_ptr<Device> m_device;
};

} // namespace

Device::~Device() = default;

void RegisterDevice(const std::string& name, std::shared_ptr<Device> device) {
    Devices()[Lower(name)] = std::move(device);
}

void UnregisterDevice(const std::string& name) {
    Devices().erase(Lower(name));
}

void ClearDevices() {
    Devices().clear();
}

HANDLE CreateFileA(const char* fileName, DWORD, DWORD, SECURITY_ATTRIBUTES*, DWORD, DWORD, HANDLE) {
    const std::string_view name = fileName ? fileName : "";
    if (!name.starts_with(kDevicePrefix)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto found = Devices().find(Lower(name.substr(kDevicePrefix.size())));
    if (found == Devices().end()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    SetLastError(ERROR_SUCCESS);
    return AddKernelObject(std::make_unique<DeviceFile>(found->second));
}

BOOL DeviceIoControl(HANDLE device, DWORD ioControlCode, void* inBuffer, DWORD inBufferSize,
                     void* outBuffer, DWORD outBufferSize, DWORD* bytesReturned,
                     OVERLAPPED* overlapped) {
    auto* file = dynamic_cast<DeviceFile*>(FindKernelObject(device));
    if (file == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (overlapped != nullptr || bytesReturned == nullptr ||
        (inBuffer == nullptr && inBufferSize != 0) ||
        (outBuffer == nullptr && outBufferSize != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::span<const BYTE> in(static_cast<const BYTE*>(inBuffer), inBufferSize);
    const std::span<BYTE> out(static_cast<BYTE*>(outBuffer), outBufferSize);
    DWORD returned = 0;
    const BOOL answered = file->Target().Control(ioControlCode, in, out, returned);
    *bytesReturned = std::min(returned, outBufferSize);
    return answered;
}
