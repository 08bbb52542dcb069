#include "tests/hardware/FakeIoDriver.h"

#include "hardware/IoAccess.h"
#include "platform/kernel/InProcessLibraries.h"
#include "platform/kernel/LastError.h"

#include <stdexcept>

namespace {

void Store(const std::array<BYTE, 8>& from, BYTE* to) {
    std::copy(from.begin(), from.end(), to);
}

std::array<BYTE, 8> Bytes(DWORD low, DWORD high) {
    std::array<BYTE, 8> bytes;
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<BYTE>(low >> (8 * i));
        bytes[4 + i] = static_cast<BYTE>(high >> (8 * i));
    }
    return bytes;
}

BOOL Open(const char* argument) {
    FakeIo().calls.push_back(std::string("Open(") + (argument ? argument : "null") + ")");
    return TRUE;
}

BOOL Close() {
    FakeIo().calls.push_back("Close");
    return TRUE;
}

BOOL Port() {
    FakeIo().calls.push_back("port or write");
    return FALSE;
}

BOOL ReadMSR(DWORD index, BYTE* result) {
    FakeIo().calls.push_back("ReadMSR");
    FakeIo().readIndexes.push_back(index);
    if (!FakeIo().msrReadable) {
        return FALSE;
    }
    Store(FakeIo().msr, result);
    return TRUE;
}

BOOL GetCpuID(DWORD leaf, BYTE* result) {
    FakeIo().calls.push_back("GetCpuID");
    FakeIo().readIndexes.push_back(leaf);
    if (FakeIo().cpuidThrows) {
        throw std::runtime_error("privileged instruction");
    }
    auto found = FakeIo().cpuid.find(leaf);
    if (found == FakeIo().cpuid.end()) {
        return FALSE;
    }
    Store(found->second, result);
    return TRUE;
}

} // namespace

FakeIoDriverState& FakeIo() {
    static FakeIoDriverState state;
    return state;
}

void ResetFakeIo() {
    FakeIo() = FakeIoDriverState{};
}

void SetFakeMsr(DWORD low, DWORD high) {
    FakeIo().msr = Bytes(low, high);
}

void SetFakeCpuId(DWORD leaf, DWORD word0, DWORD word1) {
    FakeIo().cpuid[leaf] = Bytes(word0, word1);
}

void RegisterFakeZuDA(const std::set<std::string>& missing) {
    const std::map<std::string, FARPROC> all = {
        {"ZUDA_Open", EntryPoint(&Open)},         {"ZUDA_Close", EntryPoint(&Close)},
        {"ZUDA_InPortB", EntryPoint(&Port)},      {"ZUDA_OutPortB", EntryPoint(&Port)},
        {"ZUDA_InPortD", EntryPoint(&Port)},      {"ZUDA_OutPortD", EntryPoint(&Port)},
        {"ZUDA_ReadMSR", EntryPoint(&ReadMSR)},   {"ZUDA_WrtieMSR", EntryPoint(&Port)},
        {"ZUDA_GetCpuID", EntryPoint(&GetCpuID)},
    };
    std::map<std::string, FARPROC> exported;
    for (const auto& [name, entry] : all) {
        if (!missing.contains(name)) {
            exported.emplace(name, entry);
        }
    }
    RegisterInProcessLibrary("ZuDA.dll", exported);
}

BOOL FakeZudaVxD::Control(DWORD code, std::span<const BYTE> in, std::span<BYTE> out,
                          DWORD& returned) {
    if (in.size() != 4 || out.size() != 8) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const DWORD number = DWORD{in[0]} | DWORD{in[1]} << 8 | DWORD{in[2]} << 16 | DWORD{in[3]} << 24;
    FakeIo().readIndexes.push_back(number);
    if (code == IOCTL_ZUDA_READ_MSR && FakeIo().msrReadable) {
        Store(FakeIo().msr, out.data());
    } else if (code == IOCTL_ZUDA_CPUID && FakeIo().cpuid.contains(number)) {
        Store(FakeIo().cpuid.at(number), out.data());
    } else {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    returned = 8;
    return TRUE;
}
