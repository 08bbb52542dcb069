// The cost of one FID/VID status reading through hushwave-msr (a request and its answer over
// the socket pair, the helper's read of its stand-in device included), against the direct
// read of the same stand-in file that a process allowed to open the device makes.
#include "platform/msrhelper/Capabilities.h"
#include "platform/msrhelper/HelperProcess.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A sparse stand-in for the msr device, and an empty DMI table, in a folder of their own.
class StandIns {
public:
    StandIns() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "msr-bench-XXXXXX").string();
        m_folder = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
        const int fd = open(MsrFile().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const std::array<uint8_t, 8> value = {0x0A, 0x08, 0x12, 0x00, 0x0C, 0x06, 0x02, 0x01};
        m_written = fd >= 0 && pwrite(fd, value.data(), value.size(),
                                      off_t{msrhelper::kFidVidStatusMsr}) == ssize_t(value.size());
        if (fd >= 0) {
            close(fd);
        }
    }
    ~StandIns() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    bool Written() const { return m_written; }
    std::string MsrFile() const { return m_folder + "/msr"; }
    std::string DmiFile() const { return m_folder + "/DMI"; }

private:
    std::string m_folder;
    bool m_written = false;
};

void ReadingThroughTheHelper(benchmark::State& state) {
    // As an ordinary user runs it: a helper started by root would refuse its stand-ins.
    if (msrhelper::HoldsCapabilities() && !msrhelper::DropEveryCapability()) {
        state.SkipWithError("this process cannot give up its capabilities");
        return;
    }
    StandIns standIns;
    std::unique_ptr<msrhelper::HelperProcess> helper = msrhelper::HelperProcess::Start(
        HUSHWAVE_MSR_HELPER, msrhelper::StandIns{standIns.MsrFile(), standIns.DmiFile()});
    if (!standIns.Written() || !helper || !helper->ReadFidVidStatus()) {
        state.SkipWithError("the helper does not answer from its stand-ins");
        return;
    }
    for (auto _ : state) {
        std::optional<std::array<uint8_t, 8>> value = helper->ReadFidVidStatus();
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(ReadingThroughTheHelper);

// What the instrumentation pays once per process: start, one question, end.
void StartingAskingAndEndingTheHelper(benchmark::State& state) {
    if (msrhelper::HoldsCapabilities() && !msrhelper::DropEveryCapability()) {
        state.SkipWithError("this process cannot give up its capabilities");
        return;
    }
    StandIns standIns;
    for (auto _ : state) {
        std::unique_ptr<msrhelper::HelperProcess> helper = msrhelper::HelperProcess::Start(
            HUSHWAVE_MSR_HELPER, msrhelper::StandIns{standIns.MsrFile(), standIns.DmiFile()});
        std::optional<uint16_t> clock = helper ? helper->ExternalClockMHz() : std::nullopt;
        benchmark::DoNotOptimize(clock);
    }
}
BENCHMARK(StartingAskingAndEndingTheHelper)->Unit(benchmark::kMicrosecond);

void DirectReadOfTheStandIn(benchmark::State& state) {
    StandIns standIns;
    const int fd = open(standIns.MsrFile().c_str(), O_RDONLY | O_CLOEXEC);
    if (!standIns.Written() || fd < 0) {
        state.SkipWithError("the stand-in cannot be read");
        return;
    }
    std::array<uint8_t, 8> value{};
    for (auto _ : state) {
        ssize_t read = pread(fd, value.data(), value.size(), off_t{msrhelper::kFidVidStatusMsr});
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(value);
    }
    close(fd);
}
BENCHMARK(DirectReadOfTheStandIn);

} // namespace

BENCHMARK_MAIN();
