#pragma once
// Tests provide a library under a file name with chosen entry points. While registered, the
// name (without its folder, in any letter case) is answered from here and never reaches the
// dynamic linker; an entry point missing from the map is reported as not exported.

#include "platform/kernel/Library.h"

#include <map>
#include <string>

void RegisterInProcessLibrary(const std::string& fileName,
                              std::map<std::string, FARPROC> entryPoints);
void UnregisterInProcessLibrary(const std::string& fileName);
void ClearInProcessLibraries();

// How many modules are loaded at the moment; lets tests see that every load was released.
int LoadedModuleCount();

// Casts any function pointer to the entry-point type stored in the registry.
template <class F> FARPROC EntryPoint(F* function) {
    return reinterpret_cast<FARPROC>(function);
}
