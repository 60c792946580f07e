// UTF-16 text of templates and resources turned into the 8-bit text the "A" calls use.
#pragma once

#include <string>

namespace mfpwin::user {

// In the process code page (CP_ACP).
std::string WideToProcessText(const std::u16string &wide);

}  // namespace mfpwin::user
