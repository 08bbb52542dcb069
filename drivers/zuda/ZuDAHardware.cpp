// The I/O driver library on a real machine: MSRs through the kernel's msr device of the first
// processor, CPUID through the instruction. Port access and MSR writes are refused: the
// program only reads.
#include "drivers/zuda/ResultBuffer.h"
#include "drivers/zuda/ZuDA.h"

#include <atomic>

#include <cpuid.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr const char* kMsrDevice = "/dev/cpu/0/msr";

std::atomic<int> msrDevice{-1};

} // namespace

int32_t ZUDA_Open(const char*) {
    if (msrDevice.load() < 0) {
        const int fd = open(kMsrDevice, O_RDONLY | O_CLOEXEC);
        int expected = -1;
        if (fd >= 0 && !msrDevice.compare_exchange_strong(expected, fd)) {
            close(fd);
        }
    }
    return msrDevice.load() >= 0;
}

int32_t ZUDA_Close() {
    const int fd = msrDevice.exchange(-1);
    if (fd >= 0) {
        close(fd);
    }
    return 1;
}

// The msr device reads the register whose index is the file offset.
int32_t ZUDA_ReadMSR(uint32_t index, uint8_t* result) {
    const int fd = msrDevice.load();
    if (fd < 0 || result == nullptr) {
        return 0;
    }
    uint8_t value[8];
    if (pread(fd, value, sizeof value, static_cast<off_t>(index)) != sizeof value) {
        return 0;
    }
    for (int i = 0; i < 8; ++i) {
        result[i] = value[i];
    }
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
