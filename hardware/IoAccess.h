#pragma once
// The only way to the processor's registers: the board maker's I/O driver, as the library
// "ZuDA.dll" on the NT family and as the virtual device "ZUDA.VXD" on Windows 9x. bIsNT,
// decided once at start-up, selects the form; both reads dispatch on it on every call and
// the other form is never touched.
//
// Result buffers of both forms are 8 bytes, little-endian: an MSR value has its low half in
// bytes 0 to 3 and its high half in bytes 4 to 7; a CPUID result has word 0 in bytes 0 to 3
// and word 1 in bytes 4 to 7.

#include "platform/kernel/Handle.h"
#include "platform/kernel/Library.h"
#include "platform/kernel/Types.h"

extern bool bIsNT;

using ZUDA_OpenProc = BOOL (*)(const char* argument);
using ZUDA_CloseProc = BOOL (*)();
using ZUDA_ReadMSRProc = BOOL (*)(DWORD index, BYTE* result);
using ZUDA_GetCpuIDProc = BOOL (*)(DWORD leaf, BYTE* result);

// The library's nine entry points, empty where it does not export the name. The port and
// MSR-write entry points are looked up but never called, so their types are not fixed.
extern ZUDA_OpenProc pZUDA_Open;
extern ZUDA_CloseProc pZUDA_Close;
extern FARPROC pZUDA_InPortB;
extern FARPROC pZUDA_OutPortB;
extern FARPROC pZUDA_InPortD;
extern FARPROC pZUDA_OutPortD;
extern ZUDA_ReadMSRProc pZUDA_ReadMSR;
extern FARPROC pZUDA_WrtieMSR;
extern ZUDA_GetCpuIDProc pZUDA_GetCpuID;

// The virtual device's handle: empty until OpenDriverDevice, then whatever the open returned.
extern HANDLE hDriverDevice;

constexpr DWORD IOCTL_ZUDA_READ_MSR = 0xA0406458;
constexpr DWORD IOCTL_ZUDA_CPUID = 0xA0406454;

// NT family: binds "ZuDA.dll" and opens it with `argument`. False only when the library
// cannot be loaded; missing read entry points are reported with "No MSR" and "No CPUID". A
// library without ZUDA_Open or ZUDA_Close is simply not opened or closed, and a read whose
// entry point it lacks fails.
bool LoadIODLL(const char* argument);
// Opens the device `name` of the "\\.\" namespace as hDriverDevice.
bool OpenDriverDevice(const char* name);
// Windows 9x: OpenDriverDevice("ZUDA.VXD").
bool OpenVxD();

// On failure the outputs are left as they were.
bool ReadMsr(DWORD index, DWORD& low, DWORD& high);
bool QueryCpuId(DWORD leaf, DWORD& word0, DWORD& word1);

// Closes the library (which stays loaded) or the device, whichever start-up opened.
void CloseIoAccess();

// Forgets the binding and the device handle, so that a test can bind again.
void UnbindIoAccessForTesting();
