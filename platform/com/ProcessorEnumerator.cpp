#include "platform/com/ProcessorEnumerator.h"

#include "platform/com/ProcessorInstance.h"

HRESULT ProcessorEnumerator::Next(LONG, ULONG uCount, IWbemClassObject** apObjects,
                                  ULONG* puReturned) {
    if (apObjects == nullptr || puReturned == nullptr) {
        return WBEM_E_INVALID_PARAMETER;
    }
    ULONG returned = 0;
    while (returned < uCount && m_next < m_clocks.size()) {
        apObjects[returned++] = new ProcessorInstance(m_clocks[m_next++]);
    }
    *puReturned = returned;
    return returned == uCount ? WBEM_S_NO_ERROR : WBEM_S_FALSE;
}
