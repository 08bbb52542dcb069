#include "drivers/zoverclk/LinuxBoard.h"

#include "platform/dmi/DmiTableFile.h"
#include "platform/dmi/ProcessorClocks.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <string>

namespace {

// The first line of a small sysfs attribute file, without surrounding white space.
std::optional<std::string> ReadAttribute(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line)) {
        return std::nullopt;
    }
    const auto space = [](unsigned char c) { return std::isspace(c) != 0; };
    line.erase(line.begin(), std::find_if_not(line.begin(), line.end(), space));
    line.erase(std::find_if_not(line.rbegin(), line.rend(), space).base(), line.end());
    return line;
}

bool NamesVcore(std::string label) {
    std::transform(label.begin(), label.end(), label.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return label.find("vcore") != std::string::npos;
}

std::vector<std::filesystem::path> SortedEntries(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        entries.push_back(it->path());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

} // namespace

bool LinuxBoard::HasCpufreq() const {
    std::error_code error;
    return std::filesystem::is_directory(m_root / "sys/devices/system/cpu/cpu0/cpufreq", error);
}

std::optional<std::filesystem::path> LinuxBoard::VcoreInput() const {
    for (const std::filesystem::path& monitor : SortedEntries(m_root / "sys/class/hwmon")) {
        // Older drivers keep their attributes in the device folder.
        for (const std::filesystem::path& folder : {monitor, monitor / "device"}) {
            for (const std::filesystem::path& file : SortedEntries(folder)) {
                const std::string name = file.filename().string();
                if (!name.starts_with("in") || !name.ends_with("_label")) {
                    continue;
                }
                std::optional<std::string> label = ReadAttribute(file);
                if (label && NamesVcore(*label)) {
                    return folder / (name.substr(0, name.size() - 6) + "_input");
                }
            }
        }
    }
    return std::nullopt;
}

int32_t LinuxBoard::VcoreMillivolts() const {
    std::optional<std::filesystem::path> input = VcoreInput();
    std::optional<std::string> text = input ? ReadAttribute(*input) : std::nullopt;
    int32_t millivolts = 0;
    if (!text ||
        std::from_chars(text->data(), text->data() + text->size(), millivolts).ec != std::errc()) {
        return 0;
    }
    return std::max(millivolts, 0);
}

std::vector<uint16_t> LinuxBoard::ExternalClockList() const {
    constexpr uint32_t kLargestListedMHz = UINT16_MAX / 100;
    dmi::DmiTableFile file =
        dmi::ReadDmiTableFile((m_root / "sys/firmware/dmi/tables/DMI").string());
    if (!file.Readable()) {
        return {};
    }
    dmi::ProcessorClocks clocks = dmi::ReadProcessorClocks(file.bytes);
    uint32_t clock = 0;
    for (uint16_t mhz : clocks.externalClockMHz) {
        clock = mhz != 0 ? mhz : clock;
    }
    if (clock == 0 || clock > kLargestListedMHz) {
        return {};
    }
    return {static_cast<uint16_t>(clock * 100)};
}
