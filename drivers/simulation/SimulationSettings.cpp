#include "drivers/simulation/SimulationSettings.h"

#include "drivers/simulation/NumberText.h"

namespace zvsim {

namespace {

std::string Value(const EnvironmentLookup& lookup, const char* name) {
    const char* value = lookup(name);
    return value ? value : "";
}

std::string ModelNames() {
    std::string names;
    for (const CpuModel& model : CpuModels()) {
        names += (names.empty() ? "" : ", ") + std::string(model.name);
    }
    return names;
}

std::string Invalid(const char* name, const std::string& value, const std::string& expected) {
    return std::string(name) + "=\"" + value + "\" is not valid: expected " + expected;
}

// Reads a two-valued setting; returns an error text, or empty.
std::string ReadChoice(const EnvironmentLookup& lookup, const char* name, const char* yes,
                       const char* no, bool& result) {
    const std::string value = Value(lookup, name);
    if (value.empty()) {
        return {};
    }
    if (value != yes && value != no) {
        return Invalid(name, value, std::string(yes) + " or " + no);
    }
    result = value == yes;
    return {};
}

} // namespace

SettingsReading ReadSimulationSettings(const EnvironmentLookup& lookup) {
    SettingsReading reading;
    SimulationSettings& settings = reading.settings;
    auto fail = [](std::string error) { return SettingsReading{{}, std::move(error)}; };

    const std::string model = Value(lookup, "HUSHWAVE_SIM_MODEL");
    settings.model = model.empty() ? &CpuModels().front() : FindCpuModel(model);
    if (!settings.model) {
        return fail(Invalid("HUSHWAVE_SIM_MODEL", model, "one of " + ModelNames()));
    }

    const std::string tracePath = Value(lookup, "HUSHWAVE_SIM_TRACE");
    if (!tracePath.empty()) {
        TraceReading trace = ReadFidVidTrace(tracePath);
        if (!trace.Valid()) {
            return fail("HUSHWAVE_SIM_TRACE: " + trace.error);
        }
        settings.trace = std::move(trace.trace);
    }

    std::string error =
        ReadChoice(lookup, "HUSHWAVE_SIM_BIOS", "enabled", "disabled", settings.biosEnabled);
    if (error.empty()) {
        error = ReadChoice(lookup, "HUSHWAVE_SIM_ACPI", "supported", "unsupported",
                           settings.acpiSupported);
    }
    if (!error.empty()) {
        return fail(error);
    }

    const std::string fsbIndex = Value(lookup, "HUSHWAVE_SIM_FSB_INDEX");
    if (!fsbIndex.empty()) {
        std::optional<uint64_t> index = ParseNumber(fsbIndex);
        if (!index || *index > UINT32_MAX) {
            return fail(Invalid("HUSHWAVE_SIM_FSB_INDEX", fsbIndex,
                                "a number from 0 to 4294967295, decimal or 0x hexadecimal"));
        }
        settings.fsbIndex = static_cast<uint32_t>(*index);
    }
    return reading;
}

} // namespace zvsim
