#include "tests/gui/HushwaveRun.h"

#include <cstdlib>
#include <deque>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

fs::path MakeTemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "hushwave-gui-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    return pattern;
}

} // namespace

HushwaveRun::HushwaveRun(const fs::path& stage, const std::string& trace)
    : m_folder(MakeTemporaryFolder()) {
    fs::copy(stage, m_folder / "stage", fs::copy_options::recursive);
    fs::create_directory(m_folder / "runtime");
    fs::permissions(m_folder / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    std::ofstream(m_folder / "trace") << trace;

    // The rest of the simulation's settings take their defaults and the texts stay English,
    // whatever the caller's settings.
    for (const char* name : {"HUSHWAVE_SIM_MODEL", "HUSHWAVE_SIM_BIOS", "HUSHWAVE_SIM_ACPI",
                             "HUSHWAVE_SIM_FSB_INDEX", "LANGUAGE"}) {
        unsetenv(name);
    }
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("HUSHWAVE_SIM_TRACE", (m_folder / "trace").c_str(), 1);
    setenv("HUSHWAVE_BACKEND", "qt", 1);
    setenv("XDG_RUNTIME_DIR", (m_folder / "runtime").c_str(), 1);
    m_program = std::make_unique<ChildProcess>(
        std::vector<std::string>{(m_folder / "stage" / "hushwave").string(), "DEBUG"});
}

HushwaveRun::~HushwaveRun() {
    m_program.reset();
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

int HushwaveRun::Send(const std::string& message) {
    ChildProcess sender({(m_folder / "stage" / "hushwave-msg").string(), message});
    return sender.WaitForExit(5000);
}

int HushwaveRun::WaitForExit(int timeoutMs) {
    return m_program->WaitForExit(timeoutMs);
}

std::string HushwaveRun::LogEnd(size_t lines) const {
    std::ifstream file(m_folder / "stage" / "hushwave.log");
    std::deque<std::string> end;
    for (std::string line; std::getline(file, line);) {
        end.push_back(line);
        if (end.size() > lines) {
            end.pop_front();
        }
    }
    std::string text;
    for (const std::string& line : end) {
        text += line + "\n";
    }
    return text;
}
