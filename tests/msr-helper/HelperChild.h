#pragma once
// hushwave-msr started by a test: its standard input and output one end of a sequenced-packet
// socket pair, its standard error a file. Messages go out as they are, well-formed or not.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <sys/types.h>

class HelperChild {
public:
    // `command` is the program and its arguments; the first one is run by full path.
    explicit HelperChild(const std::vector<std::string>& command);
    ~HelperChild();
    HelperChild(const HelperChild&) = delete;
    HelperChild& operator=(const HelperChild&) = delete;

    bool Started() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }

    // Sends one message and waits up to two seconds for the one that comes back.
    std::optional<std::vector<uint8_t>> Exchange(std::span<const uint8_t> message);
    void ClosePipe();
    // The exit status once it ended within two seconds; nothing while it still runs.
    std::optional<int> ExitStatus();
    std::string Errors() const;

private:
    pid_t m_pid = -1;
    int m_socket = -1;
    std::string m_errorFile;
    std::optional<int> m_exitStatus;
};

// The running helper processes whose parent is this process.
std::vector<pid_t> HelperChildren();
