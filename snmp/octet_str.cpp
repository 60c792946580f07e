#include "snmp/octet_str.h"

#include <cstring>

OctetStr::OctetStr(const char *text)
{
    *this = text;
}

OctetStr::OctetStr(const unsigned char *bytes, size_t length)
{
    if (bytes != nullptr)
        bytes_.assign(bytes, bytes + length);
}

OctetStr &OctetStr::operator=(const char *text)
{
    bytes_.clear();
    if (text != nullptr)
        bytes_.assign(text, text + std::strlen(text));
    return *this;
}

const char *OctetStr::get_printable() const
{
    printable_.assign(bytes_.begin(), bytes_.end());
    return printable_.c_str();
}
