#include "platform/com/ProcessorInstance.h"

#include "platform/com/WideText.h"

// The firmware writes 0 for a clock it does not know; the property then has no value.
HRESULT ProcessorInstance::Get(const WCHAR* wszName, LONG, VARIANT* pVal, CIMTYPE* pType,
                               LONG* plFlavor) {
    if (wszName == nullptr) {
        return WBEM_E_INVALID_PARAMETER;
    }
    if (!SameNameIgnoringCase(wszName, u"ExtClock")) {
        return WBEM_E_NOT_FOUND;
    }
    if (pVal != nullptr) {
        VariantInit(pVal);
        pVal->vt = m_externalClock != 0 ? VT_I4 : VT_NULL;
        pVal->lVal = m_externalClock;
    }
    if (pType != nullptr) {
        *pType = CIM_UINT32;
    }
    if (plFlavor != nullptr) {
        *plFlavor = 0;
    }
    return WBEM_S_NO_ERROR;
}
