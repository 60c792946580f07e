// Thread identifiers as the platform reports them (the kernel's thread id of the caller).
#pragma once

#include "mfpwin/types.h"

namespace mfpwin::user {

DWORD CurrentThreadId();

}  // namespace mfpwin::user
