#include "platform/com/HelperClock.h"

#include "platform/com/WmiTesting.h"
#include "platform/kernel/Process.h"
#include "platform/msrhelper/HelperProcess.h"

#include <string>

namespace {

std::optional<msrhelper::StandIns>& StandInsOverride() {
    static std::optional<msrhelper::StandIns> standIns;
    return standIns;
}

// The answer, with the helper and the stand-ins it came from.
struct KeptAnswer {
    std::string helper;
    std::optional<msrhelper::StandIns> standIns;
    std::optional<uint16_t> clockMHz;
};

std::optional<KeptAnswer>& Kept() {
    static std::optional<KeptAnswer> kept;
    return kept;
}

} // namespace

std::optional<uint16_t> HelperExternalClockMHz() {
    const std::string helper = msrhelper::HelperBeside(ApplicationExeName());
    const std::optional<msrhelper::StandIns>& standIns = StandInsOverride();
    std::optional<KeptAnswer>& kept = Kept();
    if (!kept || kept->helper != helper || kept->standIns != standIns) {
        std::unique_ptr<msrhelper::HelperProcess> process =
            msrhelper::HelperProcess::Start(helper, standIns);
        kept = KeptAnswer{helper, standIns,
                          process ? process->ExternalClockMHz() : std::optional<uint16_t>()};
    }
    return kept->clockMHz;
}

void SetHelperStandInsForTesting(std::string msrFile, std::string dmiFile) {
    if (msrFile.empty() && dmiFile.empty()) {
        StandInsOverride().reset();
    } else {
        StandInsOverride() = msrhelper::StandIns{std::move(msrFile), std::move(dmiFile)};
    }
}
