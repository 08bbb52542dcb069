#include "platform/com/Variant.h"

void VariantInit(VARIANT* pvarg) {
    if (pvarg != nullptr) {
        pvarg->vt = VT_EMPTY;
    }
}

HRESULT VariantClear(VARIANT* pvarg) {
    if (pvarg == nullptr) {
        return E_INVALIDARG;
    }
    pvarg->vt = VT_EMPTY;
    pvarg->llVal = 0;
    return S_OK;
}
