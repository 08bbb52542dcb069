#include "hardware/IoAccess.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/kernel/DeviceIo.h"
#include "platform/kernel/KernelObjects.h"

#include <cstdio>

bool bIsNT = true;

ZUDA_OpenProc pZUDA_Open = nullptr;
ZUDA_CloseProc pZUDA_Close = nullptr;
FARPROC pZUDA_InPortB = nullptr;
FARPROC pZUDA_OutPortB = nullptr;
FARPROC pZUDA_InPortD = nullptr;
FARPROC pZUDA_OutPortD = nullptr;
ZUDA_ReadMSRProc pZUDA_ReadMSR = nullptr;
FARPROC pZUDA_WrtieMSR = nullptr;
ZUDA_GetCpuIDProc pZUDA_GetCpuID = nullptr;

HANDLE hDriverDevice;

namespace {

bool ioLibraryLoaded = false;

DWORD Word(const BYTE* bytes) {
    return DWORD{bytes[0]} | DWORD{bytes[1]} << 8 | DWORD{bytes[2]} << 16 | DWORD{bytes[3]} << 24;
}

template <class Proc> Proc Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Proc>(GetProcAddress(module, name));
}

// Both control requests take a 4-byte number and give 8 bytes.
bool DeviceRequest(DWORD code, DWORD number, BYTE (&result)[8]) {
    DWORD returned = 0;
    return DeviceIoControl(hDriverDevice, code, &number, sizeof number, result, sizeof result,
                           &returned, nullptr) != FALSE;
}

} // namespace

bool LoadIODLL(const char* argument) {
    HMODULE module = LoadLibraryA("ZuDA.dll");
    if (!module) {
        return false;
    }
    pZUDA_Open = Lookup<ZUDA_OpenProc>(module, "ZUDA_Open");
    pZUDA_Close = Lookup<ZUDA_CloseProc>(module, "ZUDA_Close");
    pZUDA_InPortB = GetProcAddress(module, "ZUDA_InPortB");
    pZUDA_OutPortB = GetProcAddress(module, "ZUDA_OutPortB");
    pZUDA_InPortD = GetProcAddress(module, "ZUDA_InPortD");
    pZUDA_OutPortD = GetProcAddress(module, "ZUDA_OutPortD");
    pZUDA_ReadMSR = Lookup<ZUDA_ReadMSRProc>(module, "ZUDA_ReadMSR");
    pZUDA_WrtieMSR = GetProcAddress(module, "ZUDA_WrtieMSR");
    pZUDA_GetCpuID = Lookup<ZUDA_GetCpuIDProc>(module, "ZUDA_GetCpuID");
    ioLibraryLoaded = true;
    if (pZUDA_ReadMSR == nullptr) {
        ShowMessage("No MSR");
    }
    if (pZUDA_GetCpuID == nullptr) {
        ShowMessage("No CPUID");
    }
    if (pZUDA_Open != nullptr) {
        pZUDA_Open(argument);
    }
    return true;
}

bool OpenDriverDevice(const char* name) {
    char path[128];
    const int length = std::snprintf(path, sizeof path, "\\\\.\\%s", name);
    // A name that does not fit would open some other device under its cut-off name.
    if (length < 0 || static_cast<size_t>(length) >= sizeof path) {
        hDriverDevice = INVALID_HANDLE_VALUE;
        return false;
    }
    hDriverDevice =
        CreateFileA(path, 0, 0, nullptr, OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return hDriverDevice != INVALID_HANDLE_VALUE;
}

bool OpenVxD() {
    return OpenDriverDevice("ZUDA.VXD");
}

bool ReadMsr(DWORD index, DWORD& low, DWORD& high) {
    BYTE result[8] = {};
    bool read = false;
    if (bIsNT) {
        read = pZUDA_ReadMSR != nullptr && pZUDA_ReadMSR(index, result) != FALSE;
    } else {
        read = DeviceRequest(IOCTL_ZUDA_READ_MSR, index, result);
    }
    if (read) {
        low = Word(result);
        high = Word(result + 4);
    }
    return read;
}

bool QueryCpuId(DWORD leaf, DWORD& word0, DWORD& word1) {
    BYTE result[8] = {};
    bool read = false;
    if (bIsNT) {
        // The library is not ours; nothing it throws may reach the caller.
        try {
            read = pZUDA_GetCpuID != nullptr && pZUDA_GetCpuID(leaf, result) != FALSE;
        } catch (...) {
            read = false;
        }
    } else {
        read = DeviceRequest(IOCTL_ZUDA_CPUID, leaf, result);
    }
    if (read) {
        word0 = Word(result);
        word1 = Word(result + 4);
    }
    return read;
}

void CloseIoAccess() {
    if (bIsNT) {
        if (ioLibraryLoaded && pZUDA_Close != nullptr) {
            pZUDA_Close();
        }
    } else {
        CloseHandle(hDriverDevice);
    }
}

void UnbindIoAccessForTesting() {
    pZUDA_Open = nullptr;
    pZUDA_Close = nullptr;
    pZUDA_InPortB = pZUDA_OutPortB = pZUDA_InPortD = pZUDA_OutPortD = nullptr;
    pZUDA_ReadMSR = nullptr;
    pZUDA_WrtieMSR = nullptr;
    pZUDA_GetCpuID = nullptr;
    hDriverDevice = HANDLE{};
    ioLibraryLoaded = false;
}
