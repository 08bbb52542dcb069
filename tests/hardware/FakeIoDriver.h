#pragma once
// A stand-in for the I/O driver in both of its forms: the library, registered in process as
// "ZuDA.dll" with a chosen set of entry points, and the virtual device "ZUDA.VXD". Both answer
// from the same register contents, so the two paths can be compared.

#include "platform/kernel/DeviceNamespace.h"
#include "platform/kernel/Types.h"

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeIoDriverState {
    std::array<BYTE, 8> msr = {};
    bool msrReadable = true;
    std::map<DWORD, std::array<BYTE, 8>> cpuid; // leaves that exist
    bool cpuidThrows = false;
    std::vector<std::string> calls; // library calls, with the argument of ZUDA_Open
    std::vector<DWORD> readIndexes; // MSR indexes and CPUID leaves asked for, both forms
};

FakeIoDriverState& FakeIo();
void ResetFakeIo();

// Sets the register from its two halves, low half in bytes 0 to 3.
void SetFakeMsr(DWORD low, DWORD high);
void SetFakeCpuId(DWORD leaf, DWORD word0, DWORD word1);

// Registers "ZuDA.dll" with all nine entry points but those named in `missing`.
void RegisterFakeZuDA(const std::set<std::string>& missing = {});

class FakeZudaVxD final : public Device {
public:
    BOOL Control(DWORD code, std::span<const BYTE> in, std::span<BYTE> out,
                 DWORD& returned) override;
};
