#pragma once
// The class library's date and time value: days since 1899-12-30 in the integral part, the
// fraction of the day in the fractional part.

#include <cstdint>
#include <ctime>

using TDateTime = double;

TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
void DecodeDate(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day);
void DecodeTime(TDateTime Value, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec);

// The current local date and time, read from the current clock.
TDateTime Now();
TDateTime DateTimeFromLocal(const std::tm& local);
