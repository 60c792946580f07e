// Where modules lie in memory: a module's handle is the start address of its mapped image.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mfpwin/types.h"

namespace mfpwin {

// The module whose image holds the address, or nullptr.
HMODULE ModuleContaining(const void *address);
// The main program.
HMODULE MainProgramModule();
// The loaded library with this load bias (link_map l_addr) and loader name, or nullptr.
HMODULE ModuleWithLoadBias(uintptr_t loadBias, std::string_view loaderName);
// The module's full path, or nothing when the handle names no loaded module.
std::optional<std::string> ModulePath(HMODULE module);
// A loaded module by file name: a path, or a file name compared without case against each
// module's file name ("libfoo.so", or "libfoo" with ".so" understood).
HMODULE FindLoadedModule(std::string_view name);

}  // namespace mfpwin
