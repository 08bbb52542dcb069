#pragma once
// A built library opened with the dynamic linker, as the program would open it.

#include <dlfcn.h>

#include <string>

class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& path)
        : m_handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
    ~LoadedLibrary() {
        if (m_handle) {
            dlclose(m_handle);
        }
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool Loaded() const { return m_handle != nullptr; }

    // The entry point `name`, typed like the declaration `F` of the library's header.
    template <class F> F* Entry(const char* name) const {
        return m_handle ? reinterpret_cast<F*>(dlsym(m_handle, name)) : nullptr;
    }

private:
    void* m_handle;
};
