#pragma once
// Queries of the operating system's management instrumentation, namespace "ROOT\cimv2".

#include "platform/com/ComTypes.h"

#include <cstdint>

// Stores the 32-bit integer property `propertyName` of every instance of `className` into
// `value`, in enumeration order, so the last instance that has a value wins. A failing step
// ends the query quietly and stores nothing more; a property without an integer value (VT_NULL,
// another type) is not stored. Every call sets up and tears down COM and the connection.
void WmiQueryInt(const WCHAR* className, const WCHAR* propertyName, int32_t& value);

// Win32_Processor.ExtClock: the external clock in MHz.
void WmiGetExtClock(int32_t& value);
