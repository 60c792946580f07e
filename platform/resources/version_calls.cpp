// GetFileVersionInfoSizeA, GetFileVersionInfoA and VerQueryValueA.
//
// The caller's buffer holds the UTF-16 version block as the module carries it, followed by an
// area with the block's text values in the ANSI code page, so VerQueryValueA can hand out
// 8-bit text that lives as long as the buffer:
//   block | pad to 4 | 'MFPV' | count | count x {value offset, text offset, text length} | texts
#include <cstring>

#include "codepage/text_conversion.h"
#include "mfpwin/kernel.h"
#include "mfpwin/resources.h"
#include "module/module_image.h"
#include "resources/module_file_resources.h"
#include "resources/resource_directory.h"
#include "resources/version_block.h"

namespace {

constexpr uint32_t kAnsiAreaMagic = 0x5650464D;  // "MFPV"
constexpr uint16_t kVersionInfoId = 1;
constexpr uint16_t kVersionType = 16;

size_t AlignToDword(size_t offset) { return (offset + 3) & ~size_t{3}; }

void PutDword(std::vector<uint8_t> &out, size_t offset, uint32_t value) { std::memcpy(&out[offset], &value, 4); }

uint32_t GetDword(const uint8_t *data, size_t offset)
{
    uint32_t value = 0;
    std::memcpy(&value, data + offset, 4);
    return value;
}

// The module file's version block followed by its ANSI area; nothing with the error set.
std::optional<std::vector<uint8_t>> BuildVersionBuffer(LPCSTR fileName)
{
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    // A bare file name of a loaded module means that module's file, as the loader found it.
    std::string path = fileName;
    if (path.find('/') == std::string::npos) {
        if (HMODULE loaded = mfpwin::FindLoadedModule(path)) path = mfpwin::ModulePath(loaded).value_or(path);
    }
    mfpwin::ModuleFileError fileError{};
    std::optional<std::vector<uint8_t>> resources = mfpwin::ReadModuleFileResources(path, fileError);
    if (!resources) {
        SetLastError(fileError == mfpwin::ModuleFileError::NotFound ? ERROR_FILE_NOT_FOUND
                                                                    : ERROR_RESOURCE_DATA_NOT_FOUND);
        return std::nullopt;
    }
    std::optional<mfpwin::ResourceDirectory> directory = mfpwin::ResourceDirectory::FromBytes(*resources);
    if (!directory) {
        SetLastError(ERROR_INVALID_DATA);
        return std::nullopt;
    }
    mfpwin::LookupResult result{};
    const mfpwin::ResourceEntry *entry = directory->Find(mfpwin::ResourceId::Ordinal(kVersionType),
                                                         mfpwin::ResourceId::Ordinal(kVersionInfoId), std::nullopt, result);
    std::optional<mfpwin::VersionNode> root =
        entry != nullptr ? mfpwin::ParseVersionBlock(entry->data) : std::nullopt;
    if (!root) {
        SetLastError(entry == nullptr ? ERROR_RESOURCE_TYPE_NOT_FOUND : ERROR_INVALID_DATA);
        return std::nullopt;
    }

    std::vector<const mfpwin::VersionNode *> texts;
    mfpwin::CollectTextNodes(*root, texts);
    std::vector<uint8_t> buffer(entry->data.begin(), entry->data.end());
    size_t tableOffset = AlignToDword(buffer.size());
    size_t textOffset = tableOffset + 8 + texts.size() * 12;
    buffer.resize(textOffset);
    PutDword(buffer, tableOffset, kAnsiAreaMagic);
    PutDword(buffer, tableOffset + 4, static_cast<uint32_t>(texts.size()));
    for (size_t i = 0; i < texts.size(); ++i) {
        std::u16string wide(texts[i]->valueBytes / 2, u'\0');
        std::memcpy(wide.data(), entry->data.data() + texts[i]->valueOffset, wide.size() * 2);
        wide.resize(std::u16string_view(wide.c_str()).size());  // up to the terminator
        std::string ansi = mfpwin::WideToAnsi(wide);
        size_t at = buffer.size();
        buffer.insert(buffer.end(), ansi.begin(), ansi.end());
        buffer.push_back(0);
        size_t slot = tableOffset + 8 + i * 12;
        PutDword(buffer, slot, static_cast<uint32_t>(texts[i]->valueOffset));
        PutDword(buffer, slot + 4, static_cast<uint32_t>(at));
        PutDword(buffer, slot + 8, static_cast<uint32_t>(ansi.size() + 1));
    }
    return buffer;
}

}  // namespace

MFPAPI DWORD GetFileVersionInfoSizeA(LPCSTR fileName, LPDWORD handle)
{
    if (handle != nullptr) *handle = 0;
    std::optional<std::vector<uint8_t>> buffer = BuildVersionBuffer(fileName);
    return buffer ? static_cast<DWORD>(buffer->size()) : 0;
}

MFPAPI BOOL GetFileVersionInfoA(LPCSTR fileName, DWORD, DWORD size, LPVOID data)
{
    if (data == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::optional<std::vector<uint8_t>> buffer = BuildVersionBuffer(fileName);
    if (!buffer) return FALSE;
    if (buffer->size() > size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(data, buffer->data(), buffer->size());
    return TRUE;
}

MFPAPI BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID *value, UINT *length)
{
    if (block == nullptr || subBlock == nullptr || value == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto *bytes = static_cast<const uint8_t *>(block);
    size_t blockLength = bytes[0] | (bytes[1] << 8);
    std::optional<mfpwin::VersionNode> root = mfpwin::ParseVersionBlock({bytes, blockLength});
    const mfpwin::VersionNode *node = root ? mfpwin::FindVersionNode(*root, subBlock) : nullptr;
    if (node == nullptr || node->valueBytes == 0) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return FALSE;
    }
    if (!node->isText) {
        *value = const_cast<uint8_t *>(bytes + node->valueOffset);
        if (length != nullptr) *length = static_cast<UINT>(node->valueBytes);
        return TRUE;
    }
    size_t tableOffset = AlignToDword(blockLength);
    if (GetDword(bytes, tableOffset) != kAnsiAreaMagic) {
        SetLastError(ERROR_INVALID_DATA);
        return FALSE;
    }
    uint32_t count = GetDword(bytes, tableOffset + 4);
    for (uint32_t i = 0; i < count; ++i) {
        size_t slot = tableOffset + 8 + i * 12;
        if (GetDword(bytes, slot) != node->valueOffset) continue;
        *value = const_cast<uint8_t *>(bytes + GetDword(bytes, slot + 4));
        if (length != nullptr) *length = GetDword(bytes, slot + 8);
        return TRUE;
    }
    SetLastError(ERROR_INVALID_DATA);
    return FALSE;
}
