#pragma once
// Names in the instrumentation are compared without regard to letter case.

#include "platform/com/ComTypes.h"

#include <string_view>

inline bool SameNameIgnoringCase(const WCHAR* text, std::u16string_view name) {
    if (text == nullptr) {
        return false;
    }
    const std::u16string_view given(text);
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; };
    if (given.size() != name.size()) {
        return false;
    }
    for (size_t i = 0; i < name.size(); ++i) {
        if (lower(given[i]) != lower(name[i])) {
            return false;
        }
    }
    return true;
}
