#pragma once
// Text is UTF-8 throughout the platform.

#include <string_view>
#include <vector>

// The code points of the text; bytes that are not well-formed UTF-8 become U+FFFD.
std::vector<char32_t> DecodeUtf8(std::string_view text);
