// mfpctl res: what a library carries: its resources, and the texts of its string table.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "json.h"
#include "mfpwin.h"

namespace {

int Run(const mfpctl::Arguments &args);

const mfpctl::CommandGroup kGroup{
    "res", "list a library's resources and read its strings",
    "usage: mfpctl res list LIBRARY [--json]\n"
    "         every resource: type, name, language (hexadecimal) and size in bytes\n"
    "       mfpctl res strings LIBRARY [--lang LANGID] [--json]\n"
    "         every string of the string table as \"id<TAB>text\"\n"
    "       mfpctl res string LIBRARY ID [--lang LANGID]\n"
    "         one string; exit code 1 when the library has no such string\n"
    "\n"
    "LIBRARY is a path or a name the dynamic loader finds. Texts are printed in the code page\n"
    "of the locale (GetACP). Without --lang the language is chosen as LoadStringA does; LANGID\n"
    "is decimal or 0x-hexadecimal (0x0415 Polish, 0x0409 English).\n",
    Run};
MFPCTL_COMMAND_GROUP(kGroup);

struct Resource {
    std::string type, name;
    WORD language;
    DWORD size;
};

std::string IdText(LPCSTR id)
{
    if (!IS_INTRESOURCE(id)) return id;
    return std::to_string(reinterpret_cast<uintptr_t>(id));
}

std::string TypeText(LPCSTR type)
{
    static const char *const kTypeNames[] = {
        nullptr, "CURSOR", "BITMAP", "ICON", "MENU", "DIALOG", "STRING", "FONTDIR", "FONT", "ACCELERATOR",
        "RCDATA", "MESSAGETABLE", "GROUP_CURSOR", nullptr, "GROUP_ICON", nullptr, "VERSION"};
    auto ordinal = reinterpret_cast<uintptr_t>(type);
    if (IS_INTRESOURCE(type) && ordinal < std::size(kTypeNames) && kTypeNames[ordinal] != nullptr) {
        return kTypeNames[ordinal];
    }
    if (IS_INTRESOURCE(type) && ordinal == 24) return "MANIFEST";
    return IdText(type);
}

std::vector<Resource> ListResources(HMODULE module)
{
    struct Context {
        HMODULE module;
        std::vector<Resource> resources;
        LPCSTR type = nullptr;
        LPCSTR name = nullptr;
    } context{module, {}};
    EnumResourceTypesA(
        module,
        [](HMODULE m, LPSTR type, LONG_PTR param) {
            auto *c = reinterpret_cast<Context *>(param);
            c->type = type;
            EnumResourceNamesA(
                m, type,
                [](HMODULE m, LPCSTR type, LPSTR name, LONG_PTR param) {
                    auto *c = reinterpret_cast<Context *>(param);
                    c->name = name;
                    EnumResourceLanguagesA(
                        m, type, name,
                        [](HMODULE m, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param) {
                            auto *c = reinterpret_cast<Context *>(param);
                            DWORD size = SizeofResource(m, FindResourceExA(m, type, name, language));
                            c->resources.push_back({TypeText(type), IdText(name), language, size});
                            return TRUE;
                        },
                        param);
                    return TRUE;
                },
                param);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&context));
    return context.resources;
}

std::string ToAnsi(const WCHAR *text, int length)
{
    if (length == 0) return {};
    int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

struct StringEntry {
    UINT id;
    std::string text;
};

// The strings of one block in the chosen language (or as LoadStringA chooses).
void ReadBlock(HMODULE module, UINT block, const std::optional<WORD> &language, std::vector<StringEntry> &out)
{
    HRSRC resource = language ? FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA(block), *language)
                              : FindResourceA(module, MAKEINTRESOURCEA(block), RT_STRING);
    if (resource == nullptr) return;
    const auto *units = static_cast<const WCHAR *>(LockResource(LoadResource(module, resource)));
    size_t count = SizeofResource(module, resource) / sizeof(WCHAR);
    size_t at = 0;
    for (UINT index = 0; index < 16 && at < count; ++index) {
        size_t length = units[at++];
        if (length > count - at) return;
        if (length > 0) out.push_back({(block - 1) * 16 + index, ToAnsi(units + at, static_cast<int>(length))});
        at += length;
    }
}

std::vector<StringEntry> ReadStrings(HMODULE module, const std::optional<WORD> &language)
{
    std::vector<UINT> blocks;
    EnumResourceNamesA(
        module, RT_STRING,
        [](HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
            if (IS_INTRESOURCE(name)) {
                reinterpret_cast<std::vector<UINT> *>(param)->push_back(static_cast<UINT>(reinterpret_cast<uintptr_t>(name)));
            }
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&blocks));
    std::vector<StringEntry> strings;
    for (UINT block : blocks) ReadBlock(module, block, language, strings);
    return strings;
}

bool ParseNumber(const std::string &text, unsigned long maximum, unsigned long &value)
{
    if (text.empty()) return false;
    char *end = nullptr;
    value = std::strtoul(text.c_str(), &end, 0);
    return *end == '\0' && value <= maximum;
}

int Run(const mfpctl::Arguments &given)
{
    mfpctl::Arguments args = given;
    bool json = mfpctl::TakeFlag(args, "--json");
    std::string languageText;
    std::optional<WORD> language;
    if (mfpctl::TakeOption(args, "--lang", languageText)) {
        unsigned long value = 0;
        if (!ParseNumber(languageText, 0xFFFF, value)) return mfpctl::UsageError(kGroup, "bad LANGID " + languageText);
        language = static_cast<WORD>(value);
    }
    if (args.size() < 2) return mfpctl::UsageError(kGroup, "missing command or LIBRARY");
    const std::string &command = args[0];
    HMODULE module = LoadLibraryA(args[1].c_str());
    if (module == nullptr) return mfpctl::Failure("cannot load " + args[1] + " (error " + std::to_string(GetLastError()) + ")");

    int result = mfpctl::kExitOk;
    if (command == "list" && args.size() == 2) {
        std::vector<Resource> resources = ListResources(module);
        if (json) std::cout << "[";
        for (size_t i = 0; i < resources.size(); ++i) {
            const Resource &r = resources[i];
            char languageHex[8];
            std::snprintf(languageHex, sizeof languageHex, "0x%04x", r.language);
            if (json) {
                std::cout << (i ? "," : "") << "{\"type\":" << mfpctl::JsonQuote(r.type)
                          << ",\"name\":" << mfpctl::JsonQuote(r.name) << ",\"language\":" << r.language
                          << ",\"size\":" << r.size << "}";
            } else {
                std::cout << r.type << "\t" << r.name << "\t" << languageHex << "\t" << r.size << "\n";
            }
        }
        if (json) std::cout << "]\n";
    } else if (command == "strings" && args.size() == 2) {
        std::vector<StringEntry> strings = ReadStrings(module, language);
        if (json) std::cout << "{";
        for (size_t i = 0; i < strings.size(); ++i) {
            if (json) {
                std::cout << (i ? "," : "") << "\"" << strings[i].id << "\":" << mfpctl::JsonQuote(strings[i].text);
            } else {
                std::cout << strings[i].id << "\t" << strings[i].text << "\n";
            }
        }
        if (json) std::cout << "}\n";
    } else if (command == "string" && args.size() == 3) {
        unsigned long id = 0;
        if (!ParseNumber(args[2], 0xFFFF, id)) {
            result = mfpctl::UsageError(kGroup, "bad string ID " + args[2]);
        } else {
            std::vector<StringEntry> strings;
            ReadBlock(module, static_cast<UINT>(id / 16 + 1), language, strings);
            auto found = std::find_if(strings.begin(), strings.end(),
                                      [&](const StringEntry &entry) { return entry.id == id; });
            if (found != strings.end()) {
                std::cout << found->text << "\n";
            } else {
                result = mfpctl::Failure("no string " + args[2]);
            }
        }
    } else {
        result = mfpctl::UsageError(kGroup, "unknown command or wrong arguments: " + command);
    }
    FreeLibrary(module);
    return result;
}

}  // namespace
