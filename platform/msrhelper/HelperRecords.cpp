#include "platform/msrhelper/HelperRecords.h"

#include <algorithm>

namespace msrhelper {

namespace {

constexpr std::array<uint8_t, 4> kRequestMagic = {'H', 'W', 'M', 'Q'};
constexpr std::array<uint8_t, 4> kAnswerMagic = {'H', 'W', 'M', 'A'};

void PutWord(Record& record, size_t offset, uint32_t word) {
    for (size_t i = 0; i < 4; ++i) {
        record[offset + i] = static_cast<uint8_t>(word >> (8 * i));
    }
}

uint32_t Word(std::span<const uint8_t> bytes, size_t offset) {
    return uint32_t{bytes[offset]} | uint32_t{bytes[offset + 1]} << 8 |
           uint32_t{bytes[offset + 2]} << 16 | uint32_t{bytes[offset + 3]} << 24;
}

bool StartsWith(std::span<const uint8_t> bytes, const std::array<uint8_t, 4>& magic) {
    return std::equal(magic.begin(), magic.end(), bytes.begin());
}

bool ZeroAt(std::span<const uint8_t> bytes, size_t from, size_t count) {
    const auto range = bytes.subspan(from, count);
    return std::all_of(range.begin(), range.end(), [](uint8_t b) { return b == 0; });
}

RequestReading Malformed(std::string error) {
    return {std::nullopt, std::move(error)};
}

} // namespace

Record EncodeRequest(const Request& request) {
    Record record{};
    std::copy(kRequestMagic.begin(), kRequestMagic.end(), record.begin());
    record[4] = static_cast<uint8_t>(request.question);
    PutWord(record, 8, request.msrIndex);
    return record;
}

RequestReading ReadRequest(std::span<const uint8_t> bytes) {
    if (bytes.size() != kRecordSize) {
        return Malformed("a request is " + std::to_string(kRecordSize) + " bytes, not " +
                         std::to_string(bytes.size()));
    }
    if (!StartsWith(bytes, kRequestMagic)) {
        return Malformed("the request does not start with HWMQ");
    }
    if (!ZeroAt(bytes, 5, 3) || !ZeroAt(bytes, 12, 4)) {
        return Malformed("the request's reserved bytes are not zero");
    }
    const uint8_t question = bytes[4];
    const uint32_t index = Word(bytes, 8);
    switch (static_cast<Question>(question)) {
    case Question::ReadMsr:
        return {Request{Question::ReadMsr, index}, {}};
    case Question::ExternalClock:
        if (index != 0) {
            return Malformed("the clock question carries MSR index " + std::to_string(index));
        }
        return {Request{Question::ExternalClock, 0}, {}};
    }
    return Malformed("unknown question " + std::to_string(question));
}

Record EncodeAnswer(const Answer& answer) {
    Record record{};
    std::copy(kAnswerMagic.begin(), kAnswerMagic.end(), record.begin());
    record[4] = answer.question;
    record[5] = static_cast<uint8_t>(answer.status);
    std::copy(answer.value.begin(), answer.value.end(), record.begin() + 8);
    return record;
}

std::optional<Answer> ReadAnswer(std::span<const uint8_t> bytes) {
    if (bytes.size() != kRecordSize || !StartsWith(bytes, kAnswerMagic) || !ZeroAt(bytes, 6, 2)) {
        return std::nullopt;
    }
    const uint8_t status = bytes[5];
    if (status < static_cast<uint8_t>(Status::Answered) ||
        status > static_cast<uint8_t>(Status::Unavailable)) {
        return std::nullopt;
    }
    Answer answer;
    answer.question = bytes[4];
    answer.status = static_cast<Status>(status);
    std::copy(bytes.begin() + 8, bytes.end(), answer.value.begin());
    return answer;
}

} // namespace msrhelper
