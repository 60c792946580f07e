#include "reg_file_writer.h"

#include "mfpwin/regfile.h"
#include "mfpwin/registry.h"
#include "store_error.h"
#include "utf16_text.h"

namespace mfpwin::registry {

namespace {

// The registry editor wraps hex data so that no line is much longer than 80 columns.
constexpr size_t kHexLineLimit = 76;

std::string Quote(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

// A REG_SZ value goes out as a quoted string only when reading it back gives the same bytes:
// one terminating zero, no other zero, and no line break.
bool FitsQuotedString(const std::string &data)
{
    if (data.empty() || data.back() != '\0')
        return false;
    return data.find_first_of(std::string("\0\r\n", 3)) == data.size() - 1;
}

void AppendHex(std::string &out, std::string line, const std::string &bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    for (size_t i = 0; i < bytes.size(); ++i) {
        auto byte = static_cast<uint8_t>(bytes[i]);
        line.push_back(kDigits[byte >> 4]);
        line.push_back(kDigits[byte & 0xf]);
        if (i + 1 == bytes.size())
            break;
        line.push_back(',');
        if (line.size() > kHexLineLimit) {
            out += line + "\\\n";
            line = "  ";
        }
    }
    out += line + "\n";
}

std::string ValueLine(const ValueEntry &value, bool unicode)
{
    std::string line = value.name.empty() ? "@=" : Quote(value.name) + "=";
    if (value.type == REG_SZ && FitsQuotedString(value.data))
        return line + Quote(value.data.substr(0, value.data.size() - 1)) + "\n";
    if (value.type == REG_DWORD && value.data.size() == 4) {
        uint32_t number = 0;
        for (int i = 3; i >= 0; --i)
            number = (number << 8) | static_cast<uint8_t>(value.data[static_cast<size_t>(i)]);
        char text[16];
        snprintf(text, sizeof text, "dword:%08x", number);
        return line + text + "\n";
    }
    std::string bytes = value.data;
    bool isText = value.type == REG_SZ || value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ;
    if (unicode && isText)
        bytes = Utf8ToUtf16Le(bytes);
    if (value.type == REG_BINARY) {
        line += "hex:";
    } else {
        char prefix[24];
        snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
        line += prefix;
    }
    std::string out;
    AppendHex(out, line, bytes);
    return out;
}

// A line break in a name has no written form; such a file could not be read back.
void RequireOneLine(const std::string &name, const std::string &path)
{
    if (name.find_first_of("\r\n") != std::string::npos)
        throw StoreError(ERROR_INVALID_DATA, "a name below " + path + " contains a line break");
}

void WriteKey(Database &db, KeyId key, const std::string &path, bool unicode, std::string &out)
{
    RequireOneLine(path, path);
    out += "[" + path + "]\n";
    for (const ValueEntry &value : Values(db, key)) {
        RequireOneLine(value.name, path);
        out += ValueLine(value, unicode);
    }
    out += "\n";
    for (const SubkeyEntry &subkey : Subkeys(db, key))
        WriteKey(db, subkey.id, path + "\\" + subkey.name, unicode, out);
}

std::string WithCrLf(const std::string &text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

}  // namespace

std::string WriteRegFile(Database &db, KeyId key, const std::string &keyPath, DWORD format)
{
    const bool unicode = format != MFP_REGFILE_REGEDIT4;
    std::string text = unicode ? "Windows Registry Editor Version 5.00\n\n" : "REGEDIT4\n\n";
    WriteKey(db, key, keyPath, unicode, text);
    text = WithCrLf(text);
    if (format == MFP_REGFILE_UNICODE)
        return "\xff\xfe" + Utf8ToUtf16Le(text);
    return text;
}

}  // namespace mfpwin::registry
