#pragma once
// Device files: CreateFileA opens a name of the "\\.\" device namespace (DeviceNamespace.h)
// as a kernel handle, DeviceIoControl sends it control requests, CloseHandle closes it. No
// other files are opened through CreateFileA.

#include "platform/kernel/Handle.h"
#include "platform/kernel/Types.h"

struct SECURITY_ATTRIBUTES;
struct OVERLAPPED;

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;

constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;

constexpr DWORD FILE_FLAG_DELETE_ON_CLOSE = 0x04000000;

// INVALID_HANDLE_VALUE with ERROR_FILE_NOT_FOUND for a device nobody registered, with
// ERROR_PATH_NOT_FOUND for a name outside the device namespace. Access, sharing, disposition
// and flags mean nothing to a device and are not examined.
HANDLE CreateFileA(const char* fileName, DWORD desiredAccess, DWORD shareMode,
                   SECURITY_ATTRIBUTES* securityAttributes, DWORD creationDisposition,
                   DWORD flagsAndAttributes, HANDLE templateFile);

// Requests are answered synchronously: an overlapped structure is refused with
// ERROR_INVALID_PARAMETER, as is a missing byte count or a null buffer of nonzero size.
BOOL DeviceIoControl(HANDLE device, DWORD ioControlCode, void* inBuffer, DWORD inBufferSize,
                     void* outBuffer, DWORD outBufferSize, DWORD* bytesReturned,
                     OVERLAPPED* overlapped);
