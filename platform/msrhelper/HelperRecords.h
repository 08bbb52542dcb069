#pragma once
// The records the I/O library and the instrumentation exchange with hushwave-msr, the small
// helper that alone may read the processor's FID/VID status register and the firmware's SMBIOS
// table. Each request and each answer is one record of exactly 16 bytes, sent as one message
// on a sequenced-packet socket pair; numbers are little-endian.
//
//   request  +---------+----------+-----------+--------------+-----------+
//            | "HWMQ"  | question | 3 × 0     | MSR index    | 4 × 0     |
//            | 0..3    | 4        | 5..7      | 8..11        | 12..15    |
//            +---------+----------+-----------+--------------+-----------+
//
//   answer   +---------+----------+--------+-------+---------------------+
//            | "HWMA"  | question | status | 2 × 0 | value               |
//            | 0..3    | 4        | 5      | 6..7  | 8..15               |
//            +---------+----------+--------+-------+---------------------+
//
// The value of an answered register question is the register's 8 bytes as the msr device gave
// them; that of an answered clock question is the clock in MHz in bytes 8 and 9, the rest 0.
// A refused or unavailable answer carries a zero value.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace msrhelper {

inline constexpr size_t kRecordSize = 16;
using Record = std::array<uint8_t, kRecordSize>;

// The one register the helper reads, of processor 0, through that processor's msr device.
inline constexpr uint32_t kFidVidStatusMsr = 0xC0010042;
inline constexpr const char* kMsrDevicePath = "/dev/cpu/0/msr";

enum class Question : uint8_t {
    ReadMsr = 1,       // the 8 bytes of an MSR of processor 0 (only kFidVidStatusMsr is answered)
    ExternalClock = 2, // the external clock of the SMBIOS Processor Information structures
};

enum class Status : uint8_t {
    Answered = 1,
    Refused = 2,     // a question the helper does not answer, or a malformed request
    Unavailable = 3, // a fair question whose source could not be read
};

struct Request {
    Question question = Question::ReadMsr;
    uint32_t msrIndex = 0; // 0 for the clock question
};

struct Answer {
    uint8_t question = 0; // as the request had it; 0 when the request was malformed
    Status status = Status::Refused;
    std::array<uint8_t, 8> value{};
};

// A request read from outside: the request, or why the bytes are not one.
struct RequestReading {
    std::optional<Request> request;
    std::string error;
};

Record EncodeRequest(const Request& request);
RequestReading ReadRequest(std::span<const uint8_t> bytes);

Record EncodeAnswer(const Answer& answer);
// The answer in `bytes`, or nothing when they are not a well-formed answer record.
std::optional<Answer> ReadAnswer(std::span<const uint8_t> bytes);

} // namespace msrhelper
