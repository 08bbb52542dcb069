#pragma once
// The I/O driver library's nine entry points. Every one returns nonzero for success. Result
// buffers are 8 bytes: an MSR value little-endian (bytes 0 to 3 the EAX half, 4 to 7 the EDX
// half); a CPUID result as two little-endian words, word 0 the leaf's EBX shifted right by 8
// bits and word 1 its EDX.

#include "drivers/DriverExport.h"

#include <cstdint>

DRIVER_EXPORT int32_t ZUDA_Open(const char* argument);
DRIVER_EXPORT int32_t ZUDA_Close();
DRIVER_EXPORT int32_t ZUDA_InPortB(uint16_t port, uint8_t* value);
DRIVER_EXPORT int32_t ZUDA_OutPortB(uint16_t port, uint8_t value);
DRIVER_EXPORT int32_t ZUDA_InPortD(uint16_t port, uint32_t* value);
DRIVER_EXPORT int32_t ZUDA_OutPortD(uint16_t port, uint32_t value);
DRIVER_EXPORT int32_t ZUDA_ReadMSR(uint32_t index, uint8_t* result);
DRIVER_EXPORT int32_t ZUDA_WrtieMSR(uint32_t index, const uint8_t* value);
DRIVER_EXPORT int32_t ZUDA_GetCpuID(uint32_t leaf, uint8_t* result);
