#pragma once
// The locator: connects to the one namespace there is, "ROOT\cimv2".

#include "platform/com/ComObject.h"
#include "platform/com/Wbem.h"

class WbemLocator final : public ComObject<IWbemLocator> {
public:
    WbemLocator() : ComObject(IID_IWbemLocator) {}

    HRESULT ConnectServer(const WCHAR* strNetworkResource, const WCHAR* strUser,
                          const WCHAR* strPassword, const WCHAR* strLocale, LONG lSecurityFlags,
                          const WCHAR* strAuthority, IWbemContext* pCtx,
                          IWbemServices** ppNamespace) override;
};
