// Minimal JSON output for mfpctl's --json mode.
#pragma once

#include <string>
#include <string_view>

namespace mfpctl {

// The text as a JSON string literal, quotes included. Bytes that are not valid UTF-8 are
// written as \u00XX so the output always parses.
std::string JsonQuote(std::string_view text);

}  // namespace mfpctl
