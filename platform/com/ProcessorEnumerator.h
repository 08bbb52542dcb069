#pragma once
// Enumerates the Win32_Processor instances, forward only.

#include "platform/com/ComObject.h"
#include "platform/com/Wbem.h"

#include <cstdint>
#include <vector>

class ProcessorEnumerator final : public ComObject<IEnumWbemClassObject> {
public:
    explicit ProcessorEnumerator(std::vector<uint16_t> externalClocksMHz)
        : ComObject(IID_IEnumWbemClassObject), m_clocks(std::move(externalClocksMHz)) {}

    HRESULT Next(LONG lTimeout, ULONG uCount, IWbemClassObject** apObjects,
                 ULONG* puReturned) override;

private:
    std::vector<uint16_t> m_clocks;
    size_t m_next = 0;
};
