#include "reg_file_reader.h"

#include <cctype>

#include "key_names.h"
#include "utf16_text.h"

namespace mfpwin::registry {

namespace {

constexpr std::string_view kUnicodeHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kAnsiHeader = "REGEDIT4";

struct ParseFailure {
    int line;
    std::string message;
};

std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && FoldName(text.substr(0, prefix.size())) == FoldName(prefix);
}

// The file as UTF-8 text, from whichever encoding its byte-order mark names.
std::string DecodeFile(std::string_view bytes)
{
    if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xff && static_cast<uint8_t>(bytes[1]) == 0xfe) {
        bytes.remove_prefix(2);
        if (bytes.size() % 2)
            bytes.remove_suffix(1);
        return Utf16LeToUtf8(bytes);
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xef\xbb\xbf")
        bytes.remove_prefix(3);
    return std::string(bytes);
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            if (start < text.size())
                lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A quoted text starting at text[0] == '"', with \\ and \" escapes; returns what follows it.
std::string_view ReadQuoted(std::string_view text, std::string &out, int line)
{
    out.clear();
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"')
            return text.substr(i + 1);
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"'))
            c = text[++i];
        out.push_back(c);
    }
    throw ParseFailure{line, "missing closing quote"};
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Parses "1-8 hex digits" into value; false when the text is anything else.
bool ParseHexNumber(std::string_view text, uint32_t &value)
{
    if (text.empty() || text.size() > 8)
        return false;
    value = 0;
    for (char c : text) {
        int digit = HexDigit(c);
        if (digit < 0)
            return false;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return true;
}

// "xx,xx,..." (spaces allowed, an empty list too) into bytes.
std::string ParseHexBytes(std::string_view text, int line)
{
    std::string bytes;
    text = TrimRight(TrimLeft(text));
    if (text.empty())
        return bytes;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        std::string_view item = TrimRight(TrimLeft(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        uint32_t value = 0;
        if (item.size() > 2 || !ParseHexNumber(item, value)) {
            // A trailing comma is harmless; anything else is not a byte.
            if (item.empty() && comma == std::string_view::npos)
                return bytes;
            throw ParseFailure{line, "'" + std::string(item) + "' is not a hexadecimal byte"};
        }
        bytes.push_back(static_cast<char>(value));
        if (comma == std::string_view::npos)
            return bytes;
        start = comma + 1;
    }
}

class Parser {
public:
    Parser(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

    std::vector<RegFileChange> Run()
    {
        size_t index = ReadHeader();
        for (; index < lines_.size(); ++index) {
            std::string_view text = TrimRight(TrimLeft(lines_[index]));
            int line = static_cast<int>(index + 1);
            if (text.empty() || text.front() == ';')
                continue;
            if (text.front() == '[')
                ReadKeyLine(text, line);
            else if (text.front() == '"' || text.front() == '@')
                index = ReadValueLine(index);
            else
                throw ParseFailure{line, "expected a [key] or a \"name\"=value line"};
        }
        return std::move(changes_);
    }

private:
    size_t ReadHeader()
    {
        for (size_t index = 0; index < lines_.size(); ++index) {
            std::string_view text = TrimRight(TrimLeft(lines_[index]));
            if (text.empty())
                continue;
            if (text == kUnicodeHeader) {
                unicode_ = true;
                return index + 1;
            }
            if (text == kAnsiHeader)
                return index + 1;
            throw ParseFailure{static_cast<int>(index + 1),
                               "the file does not start with \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\""};
        }
        throw ParseFailure{1, "the file is empty"};
    }

    void ReadKeyLine(std::string_view text, int line)
    {
        if (text.back() != ']')
            throw ParseFailure{line, "a key line must end with ']'"};
        std::string_view path = text.substr(1, text.size() - 2);
        bool remove = !path.empty() && path.front() == '-';
        if (remove)
            path.remove_prefix(1);
        size_t slash = path.find('\\');
        std::string_view rootName = path.substr(0, slash);
        HKEY root = RootByName(rootName);
        if (root == nullptr)
            throw ParseFailure{line, "unknown root key '" + std::string(rootName) + "'"};
        std::vector<std::string> names;
        if (slash != std::string_view::npos && SplitKeyPath(path.substr(slash + 1), names) != ERROR_SUCCESS)
            throw ParseFailure{line, "bad key path '" + std::string(path) + "'"};
        RegFileChange change{remove ? RegFileChange::kDeleteKey : RegFileChange::kCreateKey, line, root, names, {}, REG_NONE, {}};
        changes_.push_back(change);
        haveKey_ = !remove;
        keyRoot_ = root;
        keyNames_ = std::move(names);
    }

    size_t ReadValueLine(size_t index)
    {
        int line = static_cast<int>(index + 1);
        if (!haveKey_)
            throw ParseFailure{line, "a value must follow the [key] it belongs to"};
        std::string_view text = TrimRight(TrimLeft(lines_[index]));
        std::string name;
        if (text.front() == '@')
            text.remove_prefix(1);
        else
            text = ReadQuoted(text, name, line);
        if (name.size() > MFP_REG_MAX_VALUE_NAME)
            throw ParseFailure{line, "value name longer than 16383 characters"};
        text = TrimLeft(text);
        if (text.empty() || text.front() != '=')
            throw ParseFailure{line, "expected '=' after the value name"};
        text = TrimLeft(text.substr(1));

        RegFileChange change{RegFileChange::kSetValue, line, keyRoot_, keyNames_, name, REG_SZ, {}};
        if (text == "-") {
            change.kind = RegFileChange::kDeleteValue;
        } else if (!text.empty() && text.front() == '"') {
            std::string_view rest = TrimLeft(ReadQuoted(text, change.data, line));
            if (!rest.empty())
                throw ParseFailure{line, "unexpected text after the closing quote"};
            change.data.push_back('\0');
        } else if (StartsWithNoCase(text, "dword:")) {
            uint32_t value = 0;
            if (!ParseHexNumber(text.substr(6), value))
                throw ParseFailure{line, "dword: needs 1 to 8 hexadecimal digits"};
            change.type = REG_DWORD;
            for (int shift = 0; shift < 32; shift += 8)
                change.data.push_back(static_cast<char>((value >> shift) & 0xff));
        } else if (StartsWithNoCase(text, "hex")) {
            index = ReadHexValue(index, text.substr(3), change);
        } else {
            throw ParseFailure{line, "unknown value data '" + std::string(text.substr(0, 20)) + "'"};
        }
        changes_.push_back(std::move(change));
        return index;
    }

    // text follows "hex": ":" or "(type):", then bytes, continued on the next lines after a '\'.
    size_t ReadHexValue(size_t index, std::string_view text, RegFileChange &change)
    {
        int line = static_cast<int>(index + 1);
        change.type = REG_BINARY;
        if (!text.empty() && text.front() == '(') {
            size_t close = text.find(')');
            uint32_t type = 0;
            if (close == std::string_view::npos || !ParseHexNumber(text.substr(1, close - 1), type))
                throw ParseFailure{line, "hex(type) needs a hexadecimal type"};
            change.type = type;
            text = text.substr(close + 1);
        }
        if (text.empty() || text.front() != ':')
            throw ParseFailure{line, "expected ':' after hex"};
        std::string joined(text.substr(1));
        while (!joined.empty() && joined.back() == '\\') {
            joined.pop_back();
            if (++index >= lines_.size())
                throw ParseFailure{line, "the file ends inside a continued value"};
            joined += TrimRight(TrimLeft(lines_[index]));
        }
        change.data = ParseHexBytes(joined, line);
        bool isText = change.type == REG_SZ || change.type == REG_EXPAND_SZ || change.type == REG_MULTI_SZ;
        if (unicode_ && isText) {
            if (change.data.size() % 2)
                throw ParseFailure{line, "text data of a 5.00 file must be UTF-16 (an even number of bytes)"};
            change.data = Utf16LeToUtf8(change.data);
        }
        return index;
    }

    std::vector<std::string_view> lines_;
    std::vector<RegFileChange> changes_;
    bool unicode_ = false;
    bool haveKey_ = false;
    HKEY keyRoot_ = nullptr;
    std::vector<std::string> keyNames_;
};

}  // namespace

HKEY RootByName(std::string_view name)
{
    const std::string folded = FoldName(name);
    if (folded == "HKEY_LOCAL_MACHINE" || folded == "HKLM")
        return HKEY_LOCAL_MACHINE;
    if (folded == "HKEY_CURRENT_USER" || folded == "HKCU")
        return HKEY_CURRENT_USER;
    if (folded == "HKEY_USERS" || folded == "HKU")
        return HKEY_USERS;
    if (folded == "HKEY_CLASSES_ROOT" || folded == "HKCR")
        return HKEY_CLASSES_ROOT;
    return nullptr;
}

RegFileParse ParseRegFile(std::string_view fileBytes)
{
    RegFileParse result;
    const std::string text = DecodeFile(fileBytes);
    try {
        result.changes = Parser(SplitLines(text)).Run();
        result.ok = true;
    } catch (const ParseFailure &failure) {
        result.error = "line " + std::to_string(failure.line) + ": " + failure.message;
    }
    return result;
}

}  // namespace mfpwin::registry
