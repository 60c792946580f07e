// The required-size protocol of the calls that return a text: when the buffer holds the text
// and its terminator, copy it and return its length; otherwise leave the buffer alone and
// return the size needed, terminator included.
#pragma once

#include <cstring>
#include <string>

#include "mfpwin/types.h"

namespace mfpwin {

inline DWORD CopyTextOut(const std::string &text, LPSTR buffer, DWORD size)
{
    if (!buffer || size <= text.size())
        return static_cast<DWORD>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}

}  // namespace mfpwin
