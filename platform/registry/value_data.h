// Handing stored value data to a caller's buffer with the required-size protocol.
#pragma once

#include <string_view>

#include "mfpwin/types.h"

namespace mfpwin::registry {

// Fills type, data and size as RegQueryValueExA does: with data null only the size is
// reported; a buffer that is too small gets ERROR_MORE_DATA and the needed size, nothing
// copied. Text stored without its terminating zero is returned with its stored size, and a
// zero is placed after it when the buffer has room, so the caller's copy is terminated.
LSTATUS CopyValueData(DWORD storedType, std::string_view stored, LPDWORD type, LPBYTE data, LPDWORD dataSize);

// Copies a name with its terminating zero into a buffer of *size characters; on success *size
// becomes the name's length. ERROR_MORE_DATA (nothing copied, *size unchanged) when it does not fit.
LSTATUS CopyName(std::string_view name, LPSTR buffer, LPDWORD size);

}  // namespace mfpwin::registry
