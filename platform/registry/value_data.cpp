#include "value_data.h"

#include <cstring>

#include "mfpwin/registry.h"

namespace mfpwin::registry {

static bool IsTextType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

LSTATUS CopyValueData(DWORD storedType, std::string_view stored, LPDWORD type, LPBYTE data, LPDWORD dataSize)
{
    if (data != nullptr && dataSize == nullptr)
        return ERROR_INVALID_PARAMETER;
    if (type)
        *type = storedType;
    if (dataSize == nullptr)
        return ERROR_SUCCESS;
    const DWORD needed = static_cast<DWORD>(stored.size());
    if (data == nullptr) {
        *dataSize = needed;
        return ERROR_SUCCESS;
    }
    if (needed > *dataSize) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    if (needed)
        std::memcpy(data, stored.data(), needed);
    const bool unterminated = stored.empty() || stored.back() != '\0';
    if (IsTextType(storedType) && unterminated && needed < *dataSize)
        data[needed] = '\0';
    *dataSize = needed;
    return ERROR_SUCCESS;
}

LSTATUS CopyName(std::string_view name, LPSTR buffer, LPDWORD size)
{
    if (name.size() + 1 > *size)
        return ERROR_MORE_DATA;
    std::memcpy(buffer, name.data(), name.size());
    buffer[name.size()] = '\0';
    *size = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

}  // namespace mfpwin::registry
