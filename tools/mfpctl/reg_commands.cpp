// mfpctl reg: query, set, delete, import and export registry keys and values.
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "json.h"
#include "mfpwin.h"

using namespace mfpctl;

namespace {

extern const CommandGroup kRegGroup;

const char kRegUsage[] =
    "usage: mfpctl reg query KEY [VALUE] [--json]\n"
    "       mfpctl reg set KEY VALUE TYPE DATA\n"
    "       mfpctl reg delete KEY [VALUE]\n"
    "       mfpctl reg import FILE\n"
    "       mfpctl reg export KEY FILE [--utf8|--regedit4]\n"
    "\n"
    "KEY    ROOT\\path\\to\\key, ROOT one of HKLM (HKEY_LOCAL_MACHINE), HKCU (HKEY_CURRENT_USER),\n"
    "       HKU (HKEY_USERS), HKCR (HKEY_CLASSES_ROOT). Quote it: the shell eats backslashes.\n"
    "VALUE  a value name; an empty argument (\"\") is the key's default value.\n"
    "TYPE   REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ (items separated by \\0), REG_DWORD and\n"
    "       REG_QWORD (decimal or 0x-hexadecimal), REG_BINARY (hex digits, e.g. 0aff or 0a,ff),\n"
    "       REG_NONE (DATA ignored).\n"
    "\n"
    "query   shows the key's values and subkeys, or one value; --json for JSON.\n"
    "set     creates the key when missing and sets the value.\n"
    "delete  removes the value, or the key with everything below it.\n"
    "import  applies a .reg file (REGEDIT4 or 5.00, UTF-16 or UTF-8); a malformed file\n"
    "        is refused with its line number and changes nothing.\n"
    "export  writes the key with everything below it as a .reg file: UTF-16 \"5.00\" by\n"
    "        default, as the registry editor writes it; --utf8 for the same in UTF-8,\n"
    "        --regedit4 for the older 8-bit form.\n"
    "\n"
    "The registry lives in the emulated root named by MFP_ROOT.\n";

std::string StatusText(LSTATUS status)
{
    switch (status) {
    case ERROR_FILE_NOT_FOUND: return "not found";
    case ERROR_ACCESS_DENIED: return "access denied";
    case ERROR_KEY_DELETED: return "the key was deleted";
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER: return "invalid name";
    case ERROR_INVALID_DATA: return "a name with a line break cannot be written to a .reg file";
    case ERROR_CANTOPEN: return "cannot open the registry store";
    case ERROR_CANTWRITE: return "cannot write the registry store";
    case ERROR_BADDB: return "the registry store is damaged";
    default: return "error " + std::to_string(status);
    }
}

struct KeyName {
    HKEY root = nullptr;
    std::string rootName;  // canonical long form
    std::string path;      // below the root, may be empty
};

bool ParseKeyName(const std::string &text, KeyName &key)
{
    static const struct {
        const char *shortName;
        const char *longName;
        HKEY root;
    } kRoots[] = {
        {"HKLM", "HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
        {"HKCU", "HKEY_CURRENT_USER", HKEY_CURRENT_USER},
        {"HKU", "HKEY_USERS", HKEY_USERS},
        {"HKCR", "HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    };
    size_t slash = text.find('\\');
    std::string first = text.substr(0, slash);
    for (char &c : first)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const auto &root : kRoots) {
        if (first == root.shortName || first == root.longName) {
            key.root = root.root;
            key.rootName = root.longName;
            key.path = slash == std::string::npos ? "" : text.substr(slash + 1);
            return true;
        }
    }
    return false;
}

const char *TypeName(DWORD type)
{
    switch (type) {
    case REG_NONE: return "REG_NONE";
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_DWORD: return "REG_DWORD";
    case REG_DWORD_BIG_ENDIAN: return "REG_DWORD_BIG_ENDIAN";
    case REG_LINK: return "REG_LINK";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    case REG_QWORD: return "REG_QWORD";
    default: return nullptr;
    }
}

std::string TypeLabel(DWORD type)
{
    const char *name = TypeName(type);
    return name ? name : "REG_" + std::to_string(type);
}

bool ParseTypeName(std::string text, DWORD &type)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (DWORD candidate : {REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ, REG_QWORD}) {
        if (text == TypeName(candidate)) {
            type = candidate;
            return true;
        }
    }
    return false;
}

std::string Hex(const std::string &bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        out.push_back(kDigits[static_cast<unsigned char>(c) >> 4]);
        out.push_back(kDigits[static_cast<unsigned char>(c) & 0xf]);
    }
    return out;
}

uint64_t LittleEndian(const std::string &bytes)
{
    uint64_t number = 0;
    for (size_t i = bytes.size(); i-- > 0;)
        number = (number << 8) | static_cast<unsigned char>(bytes[i]);
    return number;
}

std::vector<std::string> MultiItems(const std::string &data)
{
    std::vector<std::string> items;
    size_t start = 0;
    while (start < data.size()) {
        size_t end = data.find('\0', start);
        if (end == std::string::npos)
            end = data.size();
        if (end == start)
            break;  // the empty item that ends the list
        items.push_back(data.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

struct Value {
    std::string name;
    DWORD type;
    std::string data;
};

std::string DisplayData(const Value &value)
{
    switch (value.type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return value.data.substr(0, value.data.find('\0'));
    case REG_MULTI_SZ: {
        std::string joined;
        for (const auto &item : MultiItems(value.data))
            joined += (joined.empty() ? "" : "\\0") + item;
        return joined;
    }
    case REG_DWORD:
    case REG_QWORD:
        if (value.data.size() == (value.type == REG_DWORD ? 4u : 8u)) {
            char text[32];
            snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(LittleEndian(value.data)));
            return text;
        }
        return Hex(value.data);
    default:
        return Hex(value.data);
    }
}

std::string JsonData(const Value &value)
{
    switch (value.type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return JsonQuote(value.data.substr(0, value.data.find('\0')));
    case REG_MULTI_SZ: {
        std::string out = "[";
        for (const auto &item : MultiItems(value.data))
            out += (out.size() > 1 ? "," : "") + JsonQuote(item);
        return out + "]";
    }
    case REG_DWORD:
    case REG_QWORD:
        if (value.data.size() == (value.type == REG_DWORD ? 4u : 8u))
            return std::to_string(LittleEndian(value.data));
        return JsonQuote(Hex(value.data));
    default:
        return JsonQuote(Hex(value.data));
    }
}

std::string JsonValue(const Value &value)
{
    return "{\"name\":" + JsonQuote(value.name) + ",\"type\":" + JsonQuote(TypeLabel(value.type)) +
           ",\"data\":" + JsonData(value) + "}";
}

LSTATUS ReadValue(HKEY key, const std::string &name, Value &value)
{
    DWORD size = 0;
    LSTATUS status;
    do {
        value.data.resize(size);
        status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                  reinterpret_cast<BYTE *>(value.data.data()), &size);
    } while (status == ERROR_MORE_DATA);
    value.data.resize(size);
    value.name = name;
    return status;
}

LSTATUS ReadAll(HKEY key, std::vector<Value> &values, std::vector<std::string> &subkeys)
{
    DWORD valueCount = 0, maxName = 0, maxData = 0, subkeyCount = 0, maxSubkey = 0;
    LSTATUS status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeyCount, &maxSubkey, nullptr, &valueCount,
                                      &maxName, &maxData, nullptr, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    for (DWORD index = 0;; ++index) {
        std::string name(maxName + 1, '\0');
        std::string data(maxData, '\0');
        DWORD nameSize = maxName + 1;
        DWORD dataSize = maxData;
        DWORD type = 0;
        status = RegEnumValueA(key, index, name.data(), &nameSize, nullptr, &type,
                               reinterpret_cast<BYTE *>(data.data()), &dataSize);
        if (status == ERROR_MORE_DATA)  // changed meanwhile: read again with the new sizes
            return ReadAll(key, values, subkeys);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            return status;
        name.resize(nameSize);
        data.resize(dataSize);
        values.push_back(Value{name, type, data});
    }
    for (DWORD index = 0;; ++index) {
        char name[MFP_REG_MAX_KEY_NAME + 1];
        DWORD nameSize = sizeof name;
        status = RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            return status;
        subkeys.emplace_back(name, nameSize);
    }
    return ERROR_SUCCESS;
}

int KeyFailure(const std::string &keyText, LSTATUS status)
{
    return Failure(keyText + ": " + StatusText(status));
}

int Query(Arguments args)
{
    const bool json = TakeFlag(args, "--json");
    if (args.empty() || args.size() > 2)
        return UsageError(kRegGroup, "reg query needs KEY and at most one VALUE");
    KeyName name;
    if (!ParseKeyName(args[0], name))
        return UsageError(kRegGroup, "unknown root key in '" + args[0] + "'");
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExA(name.root, name.path.c_str(), 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS)
        return KeyFailure(args[0], status);
    const std::string fullName = name.rootName + (name.path.empty() ? "" : "\\" + name.path);
    if (args.size() == 2) {
        Value value;
        status = ReadValue(key, args[1], value);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS)
            return Failure(fullName + " value '" + args[1] + "': " + StatusText(status));
        if (json)
            std::cout << JsonValue(value) << "\n";
        else
            std::cout << DisplayData(value) << "\n";
        return kExitOk;
    }
    std::vector<Value> values;
    std::vector<std::string> subkeys;
    status = ReadAll(key, values, subkeys);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return KeyFailure(args[0], status);
    if (json) {
        std::cout << "{\"key\":" << JsonQuote(fullName) << ",\"values\":[";
        for (size_t i = 0; i < values.size(); ++i)
            std::cout << (i ? "," : "") << JsonValue(values[i]);
        std::cout << "],\"subkeys\":[";
        for (size_t i = 0; i < subkeys.size(); ++i)
            std::cout << (i ? "," : "") << JsonQuote(subkeys[i]);
        std::cout << "]}\n";
        return kExitOk;
    }
    std::cout << fullName << "\n";
    for (const Value &value : values)
        std::cout << "    " << (value.name.empty() ? "(Default)" : value.name) << "    " << TypeLabel(value.type)
                  << "    " << DisplayData(value) << "\n";
    if (!subkeys.empty())
        std::cout << "\n";
    for (const auto &subkey : subkeys)
        std::cout << fullName << "\\" << subkey << "\n";
    return kExitOk;
}

bool ParseNumber(const std::string &text, uint64_t limit, uint64_t &number)
{
    if (text.empty() || text[0] == '-')
        return false;
    errno = 0;
    char *end = nullptr;
    number = std::strtoull(text.c_str(), &end, 0);
    return errno == 0 && *end == '\0' && number <= limit;
}

bool ParseHexBytes(const std::string &text, std::string &bytes)
{
    std::string digits;
    for (char c : text) {
        if (c == ',' || c == ' ' || c == ':')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        digits.push_back(c);
    }
    if (digits.size() % 2)
        return false;
    for (size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return true;
}

// The bytes that DATA stands for under TYPE; false (with a message) when it does not fit.
bool EncodeData(DWORD type, const std::string &text, std::string &bytes, std::string &problem)
{
    uint64_t number = 0;
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        bytes = text + '\0';
        return true;
    case REG_MULTI_SZ: {
        size_t start = 0;
        while (true) {
            size_t separator = text.find("\\0", start);
            std::string item = text.substr(start, separator == std::string::npos ? std::string::npos : separator - start);
            if (!item.empty())
                bytes += item + '\0';
            if (separator == std::string::npos)
                break;
            start = separator + 2;
        }
        bytes.push_back('\0');
        return true;
    }
    case REG_DWORD:
    case REG_QWORD: {
        const bool isDword = type == REG_DWORD;
        if (!ParseNumber(text, isDword ? 0xffffffffULL : ~0ULL, number)) {
            problem = "'" + text + "' is not a " + (isDword ? "32" : "64") + "-bit unsigned number";
            return false;
        }
        for (int i = 0; i < (isDword ? 4 : 8); ++i)
            bytes.push_back(static_cast<char>((number >> (8 * i)) & 0xff));
        return true;
    }
    case REG_BINARY:
        if (!ParseHexBytes(text, bytes)) {
            problem = "'" + text + "' is not a list of hexadecimal bytes";
            return false;
        }
        return true;
    default:
        return true;
    }
}

int Set(Arguments args)
{
    if (args.size() != 4 && !(args.size() == 3 && args[2] == "REG_NONE"))
        return UsageError(kRegGroup, "reg set needs KEY VALUE TYPE DATA");
    KeyName name;
    if (!ParseKeyName(args[0], name))
        return UsageError(kRegGroup, "unknown root key in '" + args[0] + "'");
    DWORD type = 0;
    if (!ParseTypeName(args[2], type))
        return UsageError(kRegGroup, "unknown value type '" + args[2] + "'");
    std::string bytes;
    std::string problem;
    if (!EncodeData(type, args.size() == 4 ? args[3] : "", bytes, problem))
        return UsageError(kRegGroup, problem);
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExA(name.root, name.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                     nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return KeyFailure(args[0], status);
    status = RegSetValueExA(key, args[1].c_str(), 0, type, reinterpret_cast<const BYTE *>(bytes.data()),
                            static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? kExitOk : KeyFailure(args[0], status);
}

int Delete(Arguments args)
{
    if (args.empty() || args.size() > 2)
        return UsageError(kRegGroup, "reg delete needs KEY and at most one VALUE");
    KeyName name;
    if (!ParseKeyName(args[0], name))
        return UsageError(kRegGroup, "unknown root key in '" + args[0] + "'");
    LSTATUS status;
    if (args.size() == 2) {
        HKEY key = nullptr;
        status = RegOpenKeyExA(name.root, name.path.c_str(), 0, KEY_SET_VALUE, &key);
        if (status == ERROR_SUCCESS) {
            status = RegDeleteValueA(key, args[1].c_str());
            RegCloseKey(key);
            if (status != ERROR_SUCCESS)
                return Failure(args[0] + " value '" + args[1] + "': " + StatusText(status));
        }
    } else {
        if (name.path.empty())
            return Failure("a root key cannot be deleted");
        status = RegDeleteTreeA(name.root, name.path.c_str());
    }
    return status == ERROR_SUCCESS ? kExitOk : KeyFailure(args[0], status);
}

int Import(Arguments args)
{
    if (args.size() != 1)
        return UsageError(kRegGroup, "reg import needs FILE");
    char error[512] = "";
    LSTATUS status = MfpRegImportFileA(args[0].c_str(), error, sizeof error);
    if (status != ERROR_SUCCESS)
        return Failure(args[0] + ": " + (*error ? error : StatusText(status)) + "; nothing was changed");
    return kExitOk;
}

int Export(Arguments args)
{
    DWORD format = MFP_REGFILE_UNICODE;
    if (TakeFlag(args, "--utf8"))
        format = MFP_REGFILE_UTF8;
    if (TakeFlag(args, "--regedit4")) {
        if (format != MFP_REGFILE_UNICODE)
            return UsageError(kRegGroup, "choose one of --utf8 and --regedit4");
        format = MFP_REGFILE_REGEDIT4;
    }
    if (args.size() != 2)
        return UsageError(kRegGroup, "reg export needs KEY and FILE");
    KeyName name;
    if (!ParseKeyName(args[0], name))
        return UsageError(kRegGroup, "unknown root key in '" + args[0] + "'");
    LSTATUS status = MfpRegExportFileA(name.root, name.path.c_str(), args[1].c_str(), format);
    if (status == ERROR_CANTWRITE)
        return Failure(args[1] + ": cannot write the file");
    return status == ERROR_SUCCESS ? kExitOk : KeyFailure(args[0], status);
}

int RunReg(const Arguments &args)
{
    if (args.empty())
        return UsageError(kRegGroup, "reg needs a command");
    const std::string command = args[0];
    Arguments rest(args.begin() + 1, args.end());
    if (command == "query")
        return Query(rest);
    if (command == "set")
        return Set(rest);
    if (command == "delete")
        return Delete(rest);
    if (command == "import")
        return Import(rest);
    if (command == "export")
        return Export(rest);
    return UsageError(kRegGroup, "unknown reg command '" + command + "'");
}

const CommandGroup kRegGroup{"reg", "query, set, delete, import and export registry keys", kRegUsage, RunReg};

}  // namespace

MFPCTL_COMMAND_GROUP(kRegGroup);
