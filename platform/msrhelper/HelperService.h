#pragma once
// What hushwave-msr answers, and how. It opens the msr device of processor 0 and reads the
// SMBIOS table once, when it is made, and reads nothing else afterwards: every answer comes
// from that one open device or from the clock found in the table then.

#include "platform/msrhelper/HelperRecords.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace msrhelper {

class HelperService {
public:
    HelperService(const std::string& msrDevicePath, const std::string& dmiTablePath);
    ~HelperService();
    HelperService(const HelperService&) = delete;
    HelperService& operator=(const HelperService&) = delete;

    // The answer record to one request message. A malformed request is refused, its reason
    // written to `why` when given.
    Record Respond(std::span<const uint8_t> request, std::string* why = nullptr) const;

    // Answers each request message read from `in` on `out`, until `in` is closed or an answer
    // cannot be sent. Reasons for refusing malformed requests go to standard error.
    void Serve(int in, int out) const;

private:
    int m_msrDevice = -1;                       // -1 when it could not be opened
    std::optional<uint16_t> m_externalClockMHz; // none when the table gave no clock
};

} // namespace msrhelper
