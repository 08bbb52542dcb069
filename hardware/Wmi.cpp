#include "hardware/Wmi.h"

#include "platform/com/Com.h"
#include "platform/com/Wbem.h"

void WmiQueryInt(const WCHAR* className, const WCHAR* propertyName, int32_t& value) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
        return;
    }
    if (FAILED(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                    RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr))) {
        CoUninitialize();
        return;
    }
    IWbemLocator* locator = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                reinterpret_cast<void**>(&locator)))) {
        CoUninitialize();
        return;
    }
    IWbemServices* services = nullptr;
    if (FAILED(locator->ConnectServer(u"ROOT\\cimv2", nullptr, nullptr, nullptr, 0, nullptr,
                                      nullptr, &services))) {
        locator->Release();
        CoUninitialize();
        return;
    }
    IEnumWbemClassObject* instances = nullptr;
    if (FAILED(CoSetProxyBlanket(services, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                 RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                                 EOAC_NONE)) ||
        FAILED(services->CreateInstanceEnum(className,
                                            WBEM_FLAG_RETURN_IMMEDIATELY | WBEM_FLAG_FORWARD_ONLY,
                                            nullptr, &instances))) {
        services->Release();
        locator->Release();
        CoUninitialize();
        return;
    }
    while (true) {
        IWbemClassObject* instance = nullptr;
        ULONG returned = 0;
        if (instances->Next(WBEM_INFINITE, 1, &instance, &returned) != WBEM_S_NO_ERROR) {
            break;
        }
        VARIANT property;
        VariantInit(&property);
        const HRESULT read = instance->Get(propertyName, 0, &property, nullptr, nullptr);
        if (SUCCEEDED(read) && property.vt == VT_I4) {
            value = property.lVal;
        }
        VariantClear(&property);
        instance->Release();
        if (FAILED(read)) {
            break;
        }
    }
    instances->Release();
    services->Release();
    locator->Release();
    CoUninitialize();
}

void WmiGetExtClock(int32_t& value) {
    WmiQueryInt(u"Win32_Processor", u"ExtClock", value);
}
