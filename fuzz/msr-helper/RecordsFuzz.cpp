// Feeds arbitrary messages to hushwave-msr's request reader and to its answers, with the
// stand-ins of a machine that has neither device nor table, and to the callers' answer reader.
#include "platform/msrhelper/HelperRecords.h"
#include "platform/msrhelper/HelperService.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const msrhelper::HelperService service("/nonexistent/msr", "/nonexistent/DMI");
    const msrhelper::RequestReading reading = msrhelper::ReadRequest({data, size});
    if (reading.request.has_value() == !reading.error.empty()) {
        std::abort(); // either a request or a reason, never both or neither
    }
    if (reading.request &&
        msrhelper::ReadRequest(msrhelper::EncodeRequest(*reading.request)).error.size() != 0) {
        std::abort();
    }
    const std::optional<msrhelper::Answer> answer =
        msrhelper::ReadAnswer(service.Respond({data, size}));
    if (!answer || answer->status == msrhelper::Status::Answered ||
        (!reading.request && answer->status != msrhelper::Status::Refused)) {
        std::abort(); // nothing can be answered here, and what is malformed is refused
    }
    const std::optional<msrhelper::Answer> read = msrhelper::ReadAnswer({data, size});
    if (read) {
        const msrhelper::Record again = msrhelper::EncodeAnswer(*read);
        if (size != again.size() || !std::equal(again.begin(), again.end(), data)) {
            std::abort(); // an accepted answer holds nothing its reader passed over
        }
    }
    return 0;
}
