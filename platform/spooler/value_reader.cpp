#include "value_reader.h"

#include <cstring>
#include <string_view>

namespace mfpwin::spooler {

namespace {

std::string TextUpToZero(std::string_view data) { return std::string(data.substr(0, data.find('\0'))); }

ValueRead TextOf(DWORD type, std::string_view data, std::string &text)
{
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return ValueRead::WrongType;
    text = TextUpToZero(data);
    return ValueRead::Ok;
}

ValueRead DwordOf(DWORD type, std::string_view data, DWORD &value)
{
    if (type != REG_DWORD || data.size() != sizeof(DWORD))
        return ValueRead::WrongType;
    std::memcpy(&value, data.data(), sizeof value);
    return ValueRead::Ok;
}

ValueRead MultiTextOf(DWORD type, std::string_view data, std::vector<std::string> &texts)
{
    if (type != REG_MULTI_SZ && type != REG_SZ)
        return ValueRead::WrongType;
    texts.clear();
    for (size_t at = 0; at < data.size();) {
        std::string text = TextUpToZero(data.substr(at));
        if (text.empty())
            break;
        at += text.size() + 1;
        texts.push_back(std::move(text));
    }
    return ValueRead::Ok;
}

// Queries the value from the open key and hands its type and bytes to convert.
template <typename Out, typename Convert>
ValueRead FromKey(const RegKey &key, const char *name, Out &out, Convert convert)
{
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (key.Query(name, type, data) != ERROR_SUCCESS)
        return ValueRead::Missing;
    return convert(type, std::string_view(reinterpret_cast<const char *>(data.data()), data.size()), out);
}

template <typename Out, typename Convert>
ValueRead FromValues(const KeyValues &values, const char *name, Out &out, Convert convert)
{
    const registry::ValueEntry *value = registry::FindValueIn(values, name);
    if (value == nullptr)
        return ValueRead::Missing;
    return convert(value->type, value->data, out);
}

}  // namespace

ValueRead ReadText(const RegKey &key, const char *name, std::string &text) { return FromKey(key, name, text, TextOf); }

ValueRead ReadText(const KeyValues &values, const char *name, std::string &text)
{
    return FromValues(values, name, text, TextOf);
}

ValueRead ReadDword(const RegKey &key, const char *name, DWORD &value) { return FromKey(key, name, value, DwordOf); }

ValueRead ReadDword(const KeyValues &values, const char *name, DWORD &value)
{
    return FromValues(values, name, value, DwordOf);
}

ValueRead ReadMultiText(const RegKey &key, const char *name, std::vector<std::string> &texts)
{
    return FromKey(key, name, texts, MultiTextOf);
}

ValueRead ReadMultiText(const KeyValues &values, const char *name, std::vector<std::string> &texts)
{
    return FromValues(values, name, texts, MultiTextOf);
}

}  // namespace mfpwin::spooler
