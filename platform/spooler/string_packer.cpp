#include "string_packer.h"

#include <cstring>

namespace mfpwin::spooler {

LPSTR StringPacker::Append(const char *data, size_t size)
{
    LPSTR at = base_ ? reinterpret_cast<LPSTR>(base_ + used_) : nullptr;
    if (at)
        std::memcpy(at, data, size);
    used_ += size;
    return at;
}

LPSTR StringPacker::Put(const std::string &text) { return Append(text.c_str(), text.size() + 1); }

LPSTR StringPacker::PutList(const std::vector<std::string> &texts)
{
    std::string joined;
    for (const auto &text : texts)
        joined.append(text).push_back('\0');
    joined.push_back('\0');
    if (texts.empty())
        joined.push_back('\0');  // an empty list still reads as "no first name" to any walker
    return Append(joined.data(), joined.size());
}

}  // namespace mfpwin::spooler
