#pragma once
// The COM library calls. Apartments are kept per thread: each successful CoInitializeEx needs
// its CoUninitialize. Security can be set once per initialisation of the thread. The one class
// that can be created is the management-instrumentation locator (Wbem.h).

#include "platform/com/Unknown.h"

constexpr DWORD COINIT_MULTITHREADED = 0x0;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

constexpr DWORD RPC_C_AUTHN_LEVEL_DEFAULT = 0;
constexpr DWORD RPC_C_AUTHN_LEVEL_CALL = 3;
constexpr DWORD RPC_C_IMP_LEVEL_IMPERSONATE = 3;
constexpr DWORD RPC_C_AUTHN_WINNT = 10;
constexpr DWORD RPC_C_AUTHZ_NONE = 0;
constexpr DWORD EOAC_NONE = 0;

HRESULT CoInitializeEx(void* pvReserved, DWORD dwCoInit);
void CoUninitialize();
HRESULT CoInitializeSecurity(void* pSecDesc, LONG cAuthSvc, void* asAuthSvc, void* pReserved1,
                             DWORD dwAuthnLevel, DWORD dwImpLevel, void* pAuthList,
                             DWORD dwCapabilities, void* pReserved3);
HRESULT CoCreateInstance(const CLSID& rclsid, IUnknown* pUnkOuter, DWORD dwClsContext,
                         const IID& riid, void** ppv);
// The objects here are in-process, so there is no proxy whose blanket would change.
HRESULT CoSetProxyBlanket(IUnknown* pProxy, DWORD dwAuthnSvc, DWORD dwAuthzSvc,
                          WCHAR* pServerPrincName, DWORD dwAuthnLevel, DWORD dwImpLevel,
                          void* pAuthInfo, DWORD dwCapabilities);
