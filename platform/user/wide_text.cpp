#include "user/wide_text.h"

#include <vector>

#include "mfpwin/codepage.h"

namespace mfpwin::user {

std::string WideToProcessText(const std::u16string &wide) {
    if (wide.empty()) return {};
    auto *units = reinterpret_cast<LPCWSTR>(wide.data());
    int length = static_cast<int>(wide.size());
    int needed = WideCharToMultiByte(CP_ACP, 0, units, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::vector<char> out(needed);
    int written = WideCharToMultiByte(CP_ACP, 0, units, length, out.data(), needed, nullptr, nullptr);
    return std::string(out.data(), written > 0 ? written : 0);
}

}  // namespace mfpwin::user
