// The I/O driver library on a real machine: CPUID through the instruction, and the FID/VID
// status register of the first processor through the kernel's msr device. A process that may
// open the device (root) reads it itself; any other starts hushwave-msr from its own folder,
// the one program given the right to open it, and asks that. No other MSR is read, and port
// access and MSR writes are refused: the program only reads that one register.
#include "drivers/zuda/ResultBuffer.h"
#include "drivers/zuda/ZuDA.h"
#include "platform/msrhelper/HelperProcess.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <mutex>

#include <cpuid.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct RegisterSource {
    int device = -1;                                  // the msr device, opened directly
    std::unique_ptr<msrhelper::HelperProcess> helper; // or the helper that may open it
};

std::mutex sourceLock;
RegisterSource source;

std::string ProgramPath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

} // namespace

// The program passes an empty argument. Tests pass a folder holding the stand-ins `msr` and
// `DMI`, which the helper then reads instead of the machine's; the device is not tried then.
int32_t ZUDA_Open(const char* argument) {
    const std::string standIns = argument != nullptr ? argument : "";
    std::lock_guard lock(sourceLock);
    if (source.device >= 0 || source.helper) {
        return 1;
    }
    if (standIns.empty()) {
        source.device = open(msrhelper::kMsrDevicePath, O_RDONLY | O_CLOEXEC);
        if (source.device < 0) {
            source.helper = msrhelper::HelperProcess::Start(msrhelper::HelperBeside(ProgramPath()));
        }
    } else {
        source.helper = msrhelper::HelperProcess::Start(
            msrhelper::HelperBeside(ProgramPath()),
            msrhelper::StandIns{standIns + "/msr", standIns + "/DMI"});
    }
    return source.device >= 0 || source.helper;
}

int32_t ZUDA_Close() {
    std::lock_guard lock(sourceLock);
    if (source.device >= 0) {
        close(source.device);
    }
    source = {};
    return 1;
}

int32_t ZUDA_ReadMSR(uint32_t index, uint8_t* result) {
    if (index != msrhelper::kFidVidStatusMsr || result == nullptr) {
        return 0;
    }
    std::lock_guard lock(sourceLock);
    std::array<uint8_t, 8> value{};
    if (source.device >= 0) {
        // The msr device reads the register whose index is the file offset.
        if (pread(source.device, value.data(), value.size(), off_t{index}) !=
            ssize_t(value.size())) {
            return 0;
        }
    } else if (source.helper) {
        std::optional<std::array<uint8_t, 8>> answered = source.helper->ReadFidVidStatus();
        if (!answered) {
            return 0;
        }
        value = *answered;
    } else {
        return 0;
    }
    std::copy(value.begin(), value.end(), result);
    return 1;
}

// A leaf above the processor's highest standard or extended leaf fails instead of returning
// whatever the processor repeats for it.
int32_t ZUDA_GetCpuID(uint32_t leaf, uint8_t* result) {
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (result == nullptr || !__get_cpuid(leaf, &eax, &ebx, &ecx, &edx)) {
        return 0;
    }
    StoreCpuIdResult(result, ebx, edx);
    return 1;
}
