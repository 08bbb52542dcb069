#include "platform/core/DateTime.h"

#include "platform/kernel/Clock.h"

#include <cmath>

namespace {

constexpr int64_t kMsPerDay = 86'400'000;

// Days from 1970-01-01 for a proleptic Gregorian date (Howard Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, unsigned& m, unsigned& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
}

constexpr int64_t kEpochOffsetDays = 25569; // 1899-12-30 to 1970-01-01

// Whole milliseconds since 1899-12-30, rounded as the class library does.
int64_t TotalMs(TDateTime value) {
    return std::llround(value * kMsPerDay);
}

} // namespace

TDateTime EncodeDate(int Year, int Month, int Day) {
    return static_cast<double>(
        DaysFromCivil(Year, static_cast<unsigned>(Month), static_cast<unsigned>(Day)) +
        kEpochOffsetDays);
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
    return ((Hour * 60 + Min) * 60 + Sec) * 1000.0 / kMsPerDay + MSec / double(kMsPerDay);
}

void DecodeDate(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
    // The day is the whole part truncated toward zero, the time the fraction's magnitude:
    // -1.25 is 1899-12-29 06:00.
    int64_t days = TotalMs(Value) / kMsPerDay;
    int y;
    unsigned m, d;
    CivilFromDays(days - kEpochOffsetDays, y, m, d);
    Year = static_cast<uint16_t>(y);
    Month = static_cast<uint16_t>(m);
    Day = static_cast<uint16_t>(d);
}

void DecodeTime(TDateTime Value, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec) {
    int64_t ms = TotalMs(std::fabs(Value)) % kMsPerDay;
    Hour = static_cast<uint16_t>(ms / 3'600'000);
    Min = static_cast<uint16_t>(ms / 60'000 % 60);
    Sec = static_cast<uint16_t>(ms / 1000 % 60);
    MSec = static_cast<uint16_t>(ms % 1000);
}

TDateTime DateTimeFromLocal(const std::tm& local) {
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, 0);
}

TDateTime Now() {
    return DateTimeFromLocal(CurrentClock().LocalTime());
}
