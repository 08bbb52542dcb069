#include "hardware/FidVidStatus.h"

#include "app/Log.h"
#include "hardware/IoAccess.h"
#include "hardware/ProcessorCapability.h"
#include "hardware/VIDVolts.h"

#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <string>

int32_t ReadCount = 1;

namespace {

constexpr DWORD kFidVidStatus = 0xC0010042;
constexpr int32_t kFxBrandCode = 36;

// The whole line, however long it gets.
std::string Format(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

// "%1.3f" with a decimal point whatever the C library's locale says.
std::string Volts(float volts) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<double>(volts),
                                   std::chars_format::fixed, 3);
    return std::string(digits, end.ptr);
}

} // namespace

bool Get_FIDVID(FIDVIDCodes& FID, FIDVIDCodes& VID) {
    DWORD lo = 0;
    DWORD hi = 0;
    if (!ReadMsr(kFidVidStatus, lo, hi)) {
        return false;
    }
    FID.Max = static_cast<int32_t>((lo & 0x3F0000) >> 16);
    FID.Start = static_cast<int32_t>((lo & 0x3F00) >> 8);
    if (BrandCode == kFxBrandCode) {
        WriteLog("AMD FX processor..");
        if (FID.Start != 0) {
            FID.Max = FID.Start;
        }
    }
    FID.Curr = static_cast<int32_t>(lo & 0x3F);
    // The lines are only built when they are written: a reading with the log off costs no
    // formatting.
    if (bDebugLog) {
        WriteLog(Format("FID: 0x%x", lo));
        WriteLog(Format("%d: FID.Max: %d, FID.Start: %d, FID.Curr: %d", ReadCount, FID.Max,
                        FID.Start, FID.Curr));
    }

    VID.Max = static_cast<int32_t>((hi & 0x1F0000) >> 16);
    VID.Start = static_cast<int32_t>((hi & 0x1F00) >> 8);
    VID.Curr = static_cast<int32_t>(hi & 0x1F);
    if (bDebugLog) {
        WriteLog(Format("VID: 0x%x", hi));
        WriteLog(Format("%d: VID -> Max: %d, Start: %d, Curr: %d", ReadCount, VID.Max, VID.Start,
                        VID.Curr));
        WriteLog(Format("%d: VID -> Max: %s, Start: %s, Curr: %s", ReadCount,
                        Volts(VIDVolts[VID.Max]).c_str(), Volts(VIDVolts[VID.Start]).c_str(),
                        Volts(VIDVolts[VID.Curr]).c_str()));
    }
    ++ReadCount;
    return true;
}
