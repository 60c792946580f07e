#include "value_reader.h"

#include <cstring>

namespace mfpwin::spooler {

static std::string TextUpToZero(const std::vector<BYTE> &data, size_t from = 0)
{
    const char *begin = reinterpret_cast<const char *>(data.data()) + from;
    const size_t available = data.size() - from;
    return std::string(begin, strnlen(begin, available));
}

ValueRead ReadText(const RegKey &key, const char *name, std::string &text)
{
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (key.Query(name, type, data) != ERROR_SUCCESS)
        return ValueRead::Missing;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return ValueRead::WrongType;
    text = TextUpToZero(data);
    return ValueRead::Ok;
}

ValueRead ReadDword(const RegKey &key, const char *name, DWORD &value)
{
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (key.Query(name, type, data) != ERROR_SUCCESS)
        return ValueRead::Missing;
    if (type != REG_DWORD || data.size() != sizeof(DWORD))
        return ValueRead::WrongType;
    std::memcpy(&value, data.data(), sizeof value);
    return ValueRead::Ok;
}

ValueRead ReadMultiText(const RegKey &key, const char *name, std::vector<std::string> &texts)
{
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (key.Query(name, type, data) != ERROR_SUCCESS)
        return ValueRead::Missing;
    if (type != REG_MULTI_SZ && type != REG_SZ)
        return ValueRead::WrongType;
    texts.clear();
    for (size_t at = 0; at < data.size();) {
        std::string text = TextUpToZero(data, at);
        if (text.empty())
            break;
        at += text.size() + 1;
        texts.push_back(std::move(text));
    }
    return ValueRead::Ok;
}

}  // namespace mfpwin::spooler
