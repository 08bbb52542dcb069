#pragma once
// Run-time binding of libraries by name. "X.dll" is the shared object libX.so; the
// application's folder is searched first, as Windows does, then the dynamic linker's standard
// search. A name with a folder part is loaded from that folder only.

#include "platform/kernel/Handle.h"
#include "platform/kernel/Types.h"

using FARPROC = void (*)();

HMODULE LoadLibraryA(const char* fileName);
FARPROC GetProcAddress(HMODULE module, const char* procName);
BOOL FreeLibrary(HMODULE module);
