#pragma once

#include "tests/backend-qt/ChildProcess.h"

#include <filesystem>
#include <memory>
#include <string>

// One run of the staged program on the display DISPLAY names, with its log on (DEBUG) and the
// simulated processor following `trace` (the trace file's text). It runs from a copy of the
// stage folder in a temporary folder of its own, so its log lands there, and keeps its lock and
// message socket in a runtime folder of its own. The program is ended and the folder removed
// when the object goes.
class HushwaveRun {
public:
    HushwaveRun(const std::filesystem::path& stage, const std::string& trace);
    ~HushwaveRun();
    HushwaveRun(const HushwaveRun&) = delete;
    HushwaveRun& operator=(const HushwaveRun&) = delete;

    // Sends a message with hushwave-msg and returns its exit code.
    int Send(const std::string& message);
    // The program's exit code once it has ended by itself; -1 when it did not within `timeoutMs`.
    int WaitForExit(int timeoutMs);
    // The last `lines` lines of the program's log.
    std::string LogEnd(size_t lines) const;

private:
    std::filesystem::path m_folder;
    std::unique_ptr<ChildProcess> m_program;
};
