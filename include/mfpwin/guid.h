// The 128-bit globally unique identifier, in its Windows field layout.
#pragma once

#include "types.h"

#ifndef GUID_DEFINED
#define GUID_DEFINED
typedef struct _GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
} GUID;
#endif
