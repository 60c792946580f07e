#include "codepage/single_byte_code_page.h"

#include <iconv.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace mfpwin {
namespace {

// The iconv name of a Windows code page number, or "" when it is not an 8-bit one.
std::string IconvName(uint32_t codePage)
{
    if (codePage == 874 || (codePage >= 1250 && codePage <= 1258) || codePage == 437 || codePage == 737 ||
        codePage == 775 || codePage == 850 || codePage == 852 || codePage == 855 || codePage == 857 ||
        (codePage >= 860 && codePage <= 866) || codePage == 869) {
        return "CP" + std::to_string(codePage);
    }
    if (codePage >= 28591 && codePage <= 28599) return "ISO-8859-" + std::to_string(codePage - 28590);
    switch (codePage) {
    case 20127: return "ASCII";
    case 20866: return "KOI8-R";
    case 21866: return "KOI8-U";
    case 28603: return "ISO-8859-13";
    case 28605: return "ISO-8859-15";
    default: return "";
    }
}

std::unique_ptr<SingleByteCodePage> BuildTable(const std::string &iconvName)
{
    iconv_t converter = iconv_open("UTF-16LE", iconvName.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return nullptr;
    auto table = std::make_unique<SingleByteCodePage>();
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        char out[8] = {};
        char *inPointer = &in;
        char *outPointer = out;
        size_t inLeft = 1, outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        size_t converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
        char16_t wide = SingleByteCodePage::kUndefined;
        if (converted != static_cast<size_t>(-1) && inLeft == 0 && outPointer - out == 2) {
            wide = static_cast<char16_t>(static_cast<uint8_t>(out[0]) | (static_cast<uint8_t>(out[1]) << 8));
        }
        table->toWide[byte] = wide;
        if (wide != SingleByteCodePage::kUndefined) table->fromWide.emplace(wide, static_cast<uint8_t>(byte));
    }
    iconv_close(converter);
    return table;
}

}  // namespace

const SingleByteCodePage *FindSingleByteCodePage(uint32_t codePage)
{
    static std::mutex mutex;
    static std::map<uint32_t, std::unique_ptr<SingleByteCodePage>> tables;
    std::string name = IconvName(codePage);
    if (name.empty()) return nullptr;
    std::lock_guard lock(mutex);
    auto found = tables.find(codePage);
    if (found == tables.end()) found = tables.emplace(codePage, BuildTable(name)).first;
    return found->second.get();
}

}  // namespace mfpwin
