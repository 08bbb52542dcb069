#pragma once
// The "ROOT\cimv2" namespace, with its one class Win32_Processor.

#include "platform/com/ComObject.h"
#include "platform/com/Wbem.h"

class WbemServices final : public ComObject<IWbemServices> {
public:
    WbemServices() : ComObject(IID_IWbemServices) {}

    HRESULT CreateInstanceEnum(const WCHAR* strFilter, LONG lFlags, IWbemContext* pCtx,
                               IEnumWbemClassObject** ppEnum) override;
};
