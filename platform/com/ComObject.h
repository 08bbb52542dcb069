#pragma once
// Reference counting and interface lookup for the objects of this layer: each implements one
// interface besides IUnknown, starts with one reference and deletes itself on its last
// Release.

#include "platform/com/Unknown.h"

#include <atomic>

std::atomic<int>& LiveComObjects();

template <class Interface> class ComObject : public Interface {
public:
    explicit ComObject(const IID& iid) : m_iid(iid) { ++LiveComObjects(); }

    HRESULT QueryInterface(const IID& riid, void** ppvObject) override {
        if (ppvObject == nullptr) {
            return E_POINTER;
        }
        if (riid == IID_IUnknown || riid == m_iid) {
            *ppvObject = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }

    ULONG AddRef() override { return ++m_references; }

    ULONG Release() override {
        const ULONG left = --m_references;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    ~ComObject() override { --LiveComObjects(); }

private:
    const IID& m_iid;
    std::atomic<ULONG> m_references{1};
};
