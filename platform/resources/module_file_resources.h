// The resources embedded in a module file on disk (loaded or not): the bytes of its
// "mfp_resources" ELF section, where mfp_add_resources puts them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mfpwin {

enum class ModuleFileError { None, NotFound, NoResources };

// The section's bytes; nothing with the reason when the file is missing or unreadable
// (NotFound) or is no 64-bit ELF file with such a section (NoResources).
std::optional<std::vector<uint8_t>> ReadModuleFileResources(const std::string &path, ModuleFileError &error);

}  // namespace mfpwin
