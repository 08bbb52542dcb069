#pragma once
// The root interface of every COM object: interface lookup and reference counting. An object
// is deleted when its last reference is released.

#include "platform/com/ComTypes.h"

class IUnknown {
public:
    virtual HRESULT QueryInterface(const IID& riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};
