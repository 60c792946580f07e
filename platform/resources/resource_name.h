// Resource types and names as callers pass them: MAKEINTRESOURCE ordinals, "#123" texts that
// stand for ordinals, or names in the ANSI code page.
#pragma once

#include "mfpwin/types.h"
#include "resources/resource_file.h"

namespace mfpwin {

ResourceId ResourceIdFromArgument(LPCSTR argument);

}  // namespace mfpwin
