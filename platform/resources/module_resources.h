// Which module carries which resources. The code that mfp_add_resources generates registers a
// module's embedded resource data when the module is loaded and withdraws it when it unloads.
#pragma once

#include <memory>

#include "mfpwin/types.h"
#include "resources/resource_directory.h"

// Called from the generated code of each module with resources (hence exported).
MFPAPI void MfpRegisterModuleResources(const void *begin, size_t size);
MFPAPI void MfpUnregisterModuleResources(const void *begin);

namespace mfpwin {

enum class ModuleResourceState { Present, Missing, Malformed };

// The resources of the module (nullptr = the main program). Missing: the module carries
// none; Malformed: its embedded data could not be read.
std::shared_ptr<const ResourceDirectory> ResourcesOf(HMODULE module, ModuleResourceState &state);

}  // namespace mfpwin
