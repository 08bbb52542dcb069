#pragma once
// The management-instrumentation client interfaces. Namespace "ROOT\cimv2" offers the class
// Win32_Processor: one instance per SMBIOS Processor Information structure of the firmware's
// table, in table order, with the property ExtClock (the external clock in MHz; VT_NULL when
// the firmware does not know it). The class has no instances to enumerate when the table
// cannot be read or is malformed. Texts are passed as plain wide strings.

#include "platform/com/Unknown.h"
#include "platform/com/Variant.h"

using CIMTYPE = LONG;
constexpr CIMTYPE CIM_UINT32 = 19;

constexpr LONG WBEM_FLAG_RETURN_IMMEDIATELY = 0x10;
constexpr LONG WBEM_FLAG_FORWARD_ONLY = 0x20;
constexpr LONG WBEM_INFINITE = -1;

constexpr HRESULT WBEM_S_NO_ERROR = 0;
constexpr HRESULT WBEM_S_FALSE = 1;
constexpr HRESULT WBEM_E_FAILED = static_cast<HRESULT>(0x80041001);
constexpr HRESULT WBEM_E_NOT_FOUND = static_cast<HRESULT>(0x80041002);
constexpr HRESULT WBEM_E_ACCESS_DENIED = static_cast<HRESULT>(0x80041003);
constexpr HRESULT WBEM_E_INVALID_PARAMETER = static_cast<HRESULT>(0x80041008);
constexpr HRESULT WBEM_E_INVALID_NAMESPACE = static_cast<HRESULT>(0x8004100E);
constexpr HRESULT WBEM_E_INVALID_CLASS = static_cast<HRESULT>(0x80041010);

class IWbemContext;

class IWbemClassObject : public IUnknown {
public:
    virtual HRESULT Get(const WCHAR* wszName, LONG lFlags, VARIANT* pVal, CIMTYPE* pType,
                        LONG* plFlavor) = 0;
};

class IEnumWbemClassObject : public IUnknown {
public:
    // WBEM_S_NO_ERROR when all uCount objects were returned, WBEM_S_FALSE when fewer.
    virtual HRESULT Next(LONG lTimeout, ULONG uCount, IWbemClassObject** apObjects,
                         ULONG* puReturned) = 0;
};

class IWbemServices : public IUnknown {
public:
    virtual HRESULT CreateInstanceEnum(const WCHAR* strFilter, LONG lFlags, IWbemContext* pCtx,
                                       IEnumWbemClassObject** ppEnum) = 0;
};

class IWbemLocator : public IUnknown {
public:
    virtual HRESULT ConnectServer(const WCHAR* strNetworkResource, const WCHAR* strUser,
                                  const WCHAR* strPassword, const WCHAR* strLocale,
                                  LONG lSecurityFlags, const WCHAR* strAuthority,
                                  IWbemContext* pCtx, IWbemServices** ppNamespace) = 0;
};

extern const CLSID CLSID_WbemLocator;
extern const IID IID_IWbemLocator;
extern const IID IID_IWbemServices;
extern const IID IID_IEnumWbemClassObject;
extern const IID IID_IWbemClassObject;
