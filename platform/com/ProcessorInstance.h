#pragma once
// One Win32_Processor instance, with its ExtClock property.

#include "platform/com/ComObject.h"
#include "platform/com/Wbem.h"

#include <cstdint>

class ProcessorInstance final : public ComObject<IWbemClassObject> {
public:
    explicit ProcessorInstance(uint16_t externalClockMHz)
        : ComObject(IID_IWbemClassObject), m_externalClock(externalClockMHz) {}

    HRESULT Get(const WCHAR* wszName, LONG lFlags, VARIANT* pVal, CIMTYPE* pType,
                LONG* plFlavor) override;

private:
    uint16_t m_externalClock;
};
