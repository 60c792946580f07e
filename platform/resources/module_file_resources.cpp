#include "resources/module_file_resources.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <string_view>

namespace mfpwin {
namespace {

constexpr std::string_view kSectionName = "mfp_resources";

bool ReadAt(std::ifstream &file, uint64_t offset, void *buffer, uint64_t size, uint64_t fileSize)
{
    if (offset > fileSize || size > fileSize - offset) return false;
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(static_cast<char *>(buffer), static_cast<std::streamsize>(size));
    return static_cast<bool>(file);
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadModuleFileResources(const std::string &path, ModuleFileError &error)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        error = ModuleFileError::NotFound;
        return std::nullopt;
    }
    error = ModuleFileError::NoResources;
    auto fileSize = static_cast<uint64_t>(file.tellg());
    Elf64_Ehdr header{};
    if (!ReadAt(file, 0, &header, sizeof header, fileSize) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB ||
        header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum) {
        return std::nullopt;
    }
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    if (!ReadAt(file, header.e_shoff, sections.data(), sections.size() * sizeof(Elf64_Shdr), fileSize)) {
        return std::nullopt;
    }
    const Elf64_Shdr &names = sections[header.e_shstrndx];
    if (names.sh_size > fileSize) return std::nullopt;
    std::string nameTable(names.sh_size, '\0');
    if (!ReadAt(file, names.sh_offset, nameTable.data(), names.sh_size, fileSize)) return std::nullopt;
    for (const Elf64_Shdr &section : sections) {
        if (section.sh_name >= nameTable.size() || section.sh_type == SHT_NOBITS) continue;
        std::string_view name(nameTable.c_str() + section.sh_name);
        if (name != kSectionName) continue;
        if (section.sh_size > fileSize) return std::nullopt;
        std::vector<uint8_t> bytes(section.sh_size);
        if (!ReadAt(file, section.sh_offset, bytes.data(), bytes.size(), fileSize)) return std::nullopt;
        error = ModuleFileError::None;
        return bytes;
    }
    return std::nullopt;
}

}  // namespace mfpwin
