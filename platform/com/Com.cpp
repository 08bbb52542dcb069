#include "platform/com/Com.h"

#include "platform/com/Wbem.h"
#include "platform/com/WbemLocator.h"

namespace {

struct Apartment {
    int initializations = 0;
    DWORD model = COINIT_MULTITHREADED;
    bool securitySet = false;
};

thread_local Apartment apartment;

} // namespace

HRESULT CoInitializeEx(void* pvReserved, DWORD dwCoInit) {
    if (pvReserved != nullptr ||
        (dwCoInit != COINIT_MULTITHREADED && dwCoInit != COINIT_APARTMENTTHREADED)) {
        return E_INVALIDARG;
    }
    if (apartment.initializations == 0) {
        apartment.model = dwCoInit;
    } else if (apartment.model != dwCoInit) {
        return RPC_E_CHANGED_MODE;
    }
    return apartment.initializations++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize() {
    if (apartment.initializations > 0 && --apartment.initializations == 0) {
        apartment.securitySet = false;
    }
}

HRESULT CoInitializeSecurity(void*, LONG, void*, void*, DWORD, DWORD, void*, DWORD, void*) {
    if (apartment.initializations == 0) {
        return CO_E_NOTINITIALIZED;
    }
    if (apartment.securitySet) {
        return RPC_E_TOO_LATE;
    }
    apartment.securitySet = true;
    return S_OK;
}

HRESULT CoCreateInstance(const CLSID& rclsid, IUnknown* pUnkOuter, DWORD dwClsContext,
                         const IID& riid, void** ppv) {
    if (ppv == nullptr) {
        return E_POINTER;
    }
    *ppv = nullptr;
    if (apartment.initializations == 0) {
        return CO_E_NOTINITIALIZED;
    }
    if (pUnkOuter != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    if (rclsid != CLSID_WbemLocator || (dwClsContext & CLSCTX_INPROC_SERVER) == 0) {
        return REGDB_E_CLASSNOTREG;
    }
    IWbemLocator* locator = new WbemLocator();
    const HRESULT hr = locator->QueryInterface(riid, ppv);
    locator->Release();
    return hr;
}

HRESULT CoSetProxyBlanket(IUnknown* pProxy, DWORD, DWORD, WCHAR*, DWORD, DWORD, void*, DWORD) {
    return pProxy == nullptr ? E_INVALIDARG : S_OK;
}
