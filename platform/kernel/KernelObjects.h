#pragma once
// The one table of kernel objects (mutexes, device files). A handle stays valid until
// CloseHandle removes its object; handle numbers are never reused within a process, so a stale
// handle is reported as invalid instead of reaching another object.

#include "platform/kernel/Handle.h"
#include "platform/kernel/Types.h"

#include <memory>

class KernelObject {
public:
    virtual ~KernelObject();
};

HANDLE AddKernelObject(std::unique_ptr<KernelObject> object);
KernelObject* FindKernelObject(HANDLE handle);
BOOL CloseHandle(HANDLE handle);
