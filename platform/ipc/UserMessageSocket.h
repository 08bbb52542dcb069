#pragma once
// Where another program finds a running instance: a local socket in the user's runtime folder,
// named after the executable ("hushwave" listens on hushwave.sock). A peer sends one line, a
// window message number in decimal, and reads back one line: "ok" when the number was posted
// to the window, "refused" when it was not.

#include <optional>
#include <string>
#include <string_view>

std::string UserMessageSocketPath(const std::string& programName);

// Parses the peer's line: decimal digits only, then an optional newline. Nothing else.
std::optional<unsigned> ParseUserMessageLine(std::string_view line);

// Numbers other programs may post: the application's own range from WM_USER on. The window's
// ordinary handling ignores those it has no use for; system messages below it are refused.
bool IsPostableFromOutside(unsigned message);
