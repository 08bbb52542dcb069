#include "platform/kernel/Library.h"

#include "platform/kernel/InProcessLibraries.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Paths.h"
#include "platform/kernel/Process.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <unordered_map>

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

struct Module {
    void* dl = nullptr;                            // set for a shared object
    const std::map<std::string, FARPROC>* entries; // set for an in-process library
    std::string key;
    int references = 1;
};

struct LoaderState {
    std::map<std::string, std::map<std::string, FARPROC>> inProcess; // by lower-case file name
    std::unordered_map<HMODULE, Module> modules;
    uint32_t next = 0x10000;
};

LoaderState& State() {
    static LoaderState state;
    return state;
}

// "ZuDA.dll" -> "libZuDA.so"; a name that is already a shared object keeps its name.
std::string SharedObjectName(const std::string& fileName) {
    std::string base = fileName;
    std::string lower = Lower(base);
    if (lower.size() > 4 && lower.ends_with(".dll")) {
        base = base.substr(0, base.size() - 4);
        return "lib" + base + ".so";
    }
    return base;
}

HMODULE FindLoaded(const std::string& key) {
    for (auto& [handle, module] : State().modules) {
        if (module.key == key) {
            ++module.references;
            return handle;
        }
    }
    return HMODULE{};
}

HMODULE AddModule(Module module) {
    LoaderState& state = State();
    HMODULE handle{state.next++};
    state.modules.emplace(handle, std::move(module));
    return handle;
}

void* OpenSharedObject(const std::filesystem::path& requested) {
    std::filesystem::path file = requested.parent_path() / SharedObjectName(requested.filename());
    if (requested.has_parent_path()) {
        return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    std::filesystem::path appFolder = std::filesystem::path(ApplicationExeName()).parent_path();
    if (!appFolder.empty()) {
        std::filesystem::path beside = appFolder / file;
        if (std::filesystem::exists(beside)) {
            return dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
        }
    }
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

} // namespace

HMODULE LoadLibraryA(const char* fileName) {
    if (fileName == nullptr || *fileName == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return HMODULE{};
    }
    std::filesystem::path requested(ToNativePath(fileName));
    LoaderState& state = State();

    std::string inProcessKey = Lower(requested.filename().string());
    auto registered = state.inProcess.find(inProcessKey);
    if (registered != state.inProcess.end()) {
        std::string key = "in-process:" + inProcessKey;
        if (HMODULE loaded = FindLoaded(key)) {
            return loaded;
        }
        return AddModule(Module{nullptr, &registered->second, key});
    }

    void* dl = OpenSharedObject(requested);
    if (dl == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return HMODULE{};
    }
    // The dynamic linker counts references itself; one module handle per shared object keeps
    // the handle stable across repeated loads, as on Windows.
    for (auto& [handle, module] : state.modules) {
        if (module.dl == dl) {
            ++module.references;
            dlclose(dl);
            return handle;
        }
    }
    return AddModule(Module{dl, nullptr, "dl:" + requested.string()});
}

FARPROC GetProcAddress(HMODULE handle, const char* procName) {
    auto& modules = State().modules;
    auto it = modules.find(handle);
    if (it == modules.end() || procName == nullptr) {
        SetLastError(it == modules.end() ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const Module& module = it->second;
    if (module.entries != nullptr) {
        auto entry = module.entries->find(procName);
        if (entry == module.entries->end() || entry->second == nullptr) {
            SetLastError(ERROR_PROC_NOT_FOUND);
            return nullptr;
        }
        return entry->second;
    }
    void* symbol = dlsym(module.dl, procName);
    if (symbol == nullptr) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE handle) {
    auto& modules = State().modules;
    auto it = modules.find(handle);
    if (it == modules.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (--it->second.references > 0) {
        return TRUE;
    }
    void* dl = it->second.dl;
    modules.erase(it);
    if (dl != nullptr) {
        dlclose(dl);
    }
    return TRUE;
}

void RegisterInProcessLibrary(const std::string& fileName,
                              std::map<std::string, FARPROC> entryPoints) {
    std::string key = Lower(std::filesystem::path(ToNativePath(fileName)).filename().string());
    State().inProcess[key] = std::move(entryPoints);
}

void UnregisterInProcessLibrary(const std::string& fileName) {
    std::string key = Lower(std::filesystem::path(ToNativePath(fileName)).filename().string());
    LoaderState& state = State();
    std::erase_if(state.modules,
                  [&](const auto& item) { return item.second.key == "in-process:" + key; });
    state.inProcess.erase(key);
}

void ClearInProcessLibraries() {
    LoaderState& state = State();
    std::erase_if(state.modules, [](const auto& item) { return item.second.entries != nullptr; });
    state.inProcess.clear();
}

int LoadedModuleCount() {
    return static_cast<int>(State().modules.size());
}
