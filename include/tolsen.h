// libtolsen.so: device configuration retrieval, discovery set-up and the job-monitor hand-off
// of the printer driver. Its exports are declared here as they are built; load the library by
// file name (LoadLibraryA or dlopen) or link against it.
#pragma once

#include "mfpwin/types.h"

#define TOLSEN_API MFP_EXTERN_C __attribute__((visibility("default")))
