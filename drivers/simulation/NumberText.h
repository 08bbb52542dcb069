#pragma once
// Unsigned numbers in settings and trace files: decimal, or hexadecimal after "0x".

#include <cstdint>
#include <optional>
#include <string_view>

namespace zvsim {

// The whole text must be the number; a sign, a space or a value past 64 bits gives nothing.
std::optional<uint64_t> ParseNumber(std::string_view text);

} // namespace zvsim
