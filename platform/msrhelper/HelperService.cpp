#include "platform/msrhelper/HelperService.h"

#include "platform/dmi/DmiTableFile.h"
#include "platform/dmi/ProcessorClocks.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace msrhelper {

namespace {

// As the instrumentation reports it: the last processor that knows its clock.
std::optional<uint16_t> ExternalClockOf(const std::string& dmiTablePath) {
    const dmi::DmiTableFile file = dmi::ReadDmiTableFile(dmiTablePath);
    if (!file.Readable()) {
        return std::nullopt;
    }
    const dmi::ProcessorClocks clocks = dmi::ReadProcessorClocks(file.bytes);
    std::optional<uint16_t> clock;
    for (uint16_t mhz : clocks.externalClockMHz) {
        if (mhz != 0) {
            clock = mhz;
        }
    }
    return clock;
}

Answer Refusal(uint8_t question) {
    return {question, Status::Refused, {}};
}

} // namespace

HelperService::HelperService(const std::string& msrDevicePath, const std::string& dmiTablePath)
    : m_msrDevice(open(msrDevicePath.c_str(), O_RDONLY | O_CLOEXEC)),
      m_externalClockMHz(ExternalClockOf(dmiTablePath)) {}

HelperService::~HelperService() {
    if (m_msrDevice >= 0) {
        close(m_msrDevice);
    }
}

Record HelperService::Respond(std::span<const uint8_t> bytes, std::string* why) const {
    const RequestReading reading = ReadRequest(bytes);
    if (!reading.request) {
        if (why != nullptr) {
            *why = reading.error;
        }
        return EncodeAnswer(Refusal(0));
    }
    const Request& request = *reading.request;
    const uint8_t question = static_cast<uint8_t>(request.question);
    Answer answer{question, Status::Unavailable, {}};
    if (request.question == Question::ExternalClock) {
        if (m_externalClockMHz) {
            answer.status = Status::Answered;
            answer.value[0] = static_cast<uint8_t>(*m_externalClockMHz);
            answer.value[1] = static_cast<uint8_t>(*m_externalClockMHz >> 8);
        }
        return EncodeAnswer(answer);
    }
    if (request.msrIndex != kFidVidStatusMsr) {
        return EncodeAnswer(Refusal(question));
    }
    // The msr device reads the register whose index is the file offset.
    if (m_msrDevice >= 0 && pread(m_msrDevice, answer.value.data(), answer.value.size(),
                                  off_t{kFidVidStatusMsr}) == ssize_t(answer.value.size())) {
        answer.status = Status::Answered;
    } else {
        answer.value = {};
    }
    return EncodeAnswer(answer);
}

// One byte more than a record, so that a longer message shows as one.
void HelperService::Serve(int in, int out) const {
    uint8_t message[kRecordSize + 1];
    while (true) {
        const ssize_t size = read(in, message, sizeof message);
        if (size < 0 && errno == EINTR) {
            continue;
        }
        if (size <= 0) {
            return;
        }
        std::string why;
        const Record answer = Respond({message, static_cast<size_t>(size)}, &why);
        if (!why.empty()) {
            std::fprintf(stderr, "hushwave-msr: refused: %s\n", why.c_str());
        }
        ssize_t sent = -1;
        do {
            sent = write(out, answer.data(), answer.size());
        } while (sent < 0 && errno == EINTR);
        if (sent != ssize_t(answer.size())) {
            return;
        }
    }
}

} // namespace msrhelper
