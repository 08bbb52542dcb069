#include "platform/kernel/KernelObjects.h"

#include "platform/kernel/LastError.h"

#include <unordered_map>

namespace {

struct KernelTable {
    std::unordered_map<HANDLE, std::unique_ptr<KernelObject>> objects;
    uint32_t next = 4;
};

KernelTable& Table() {
    static KernelTable table;
    return table;
}

} // namespace

KernelObject::~KernelObject() = default;

HANDLE AddKernelObject(std::unique_ptr<KernelObject> object) {
    KernelTable& table = Table();
    HANDLE handle{table.next};
    table.next += 4;
    table.objects.emplace(handle, std::move(object));
    return handle;
}

KernelObject* FindKernelObject(HANDLE handle) {
    auto& objects = Table().objects;
    auto it = objects.find(handle);
    return it == objects.end() ? nullptr : it->second.get();
}

BOOL CloseHandle(HANDLE handle) {
    auto& objects = Table().objects;
    auto it = objects.find(handle);
    if (it == objects.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // Destroy outside the table so an object's destructor may itself use the table.
    std::unique_ptr<KernelObject> object = std::move(it->second);
    objects.erase(it);
    object.reset();
    return TRUE;
}
