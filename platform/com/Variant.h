#pragma once
// The variant that property values come in. Only the integer types are carried here; a
// property without a value comes as VT_NULL.

#include "platform/com/ComTypes.h"

using VARTYPE = uint16_t;

constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_NULL = 1;
constexpr VARTYPE VT_I4 = 3;

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONG lVal;
        int64_t llVal;
    };
};

void VariantInit(VARIANT* pvarg);
HRESULT VariantClear(VARIANT* pvarg);
