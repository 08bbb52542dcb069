#pragma once
// A running hushwave-msr, started and asked by the I/O library and by the instrumentation.
// It is started by full path with an empty environment and a socket pair on its standard input
// and output; it ends when the socket closes, which the destructor does.

#include "platform/msrhelper/HelperRecords.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <sys/types.h>

namespace msrhelper {

inline constexpr const char* kHelperName = "hushwave-msr";

// The helper's full path beside the executable at `executablePath`; empty when that path is not
// a full one, so that no helper is ever looked for in the current folder.
std::string HelperBeside(const std::string& executablePath);

// Files the helper reads instead of the machine's; tests only.
struct StandIns {
    std::string msrDevice;
    std::string dmiTable;

    bool operator==(const StandIns&) const = default;
};

class HelperProcess {
public:
    // Nothing when the helper cannot be started or `path` is not a full path.
    static std::unique_ptr<HelperProcess> Start(const std::string& path,
                                                const std::optional<StandIns>& standIns = {});
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    // The answer to `request`. Nothing when no well-formed answer to it came within the time
    // allowed: the helper is then ended, and every later question gets nothing as well.
    std::optional<Answer> Ask(const Request& request);

    // The 8 bytes of the FID/VID status register, when the helper answered them.
    std::optional<std::array<uint8_t, 8>> ReadFidVidStatus();
    // The external clock in MHz, when the helper answered it.
    std::optional<uint16_t> ExternalClockMHz();

    pid_t Pid() const { return m_pid; }

private:
    HelperProcess(pid_t pid, int socket) : m_pid(pid), m_socket(socket) {}
    void End();

    pid_t m_pid;
    int m_socket; // -1 once the helper is ended
};

} // namespace msrhelper
