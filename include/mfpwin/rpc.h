// UUID generation and text conversion of the RPC runtime.
#pragma once

#include "guid.h"

typedef GUID UUID;
typedef LONG RPC_STATUS;
typedef unsigned char *RPC_CSTR;

#define RPC_S_OK 0L
#define RPC_S_OUT_OF_MEMORY 14L
#define RPC_S_INVALID_ARG 87L
#define RPC_S_INVALID_STRING_UUID 1705L
#define RPC_S_UUID_LOCAL_ONLY 1824L
#define RPC_S_UUID_NO_ADDRESS 1739L

// A random (version 4) UUID.
MFPAPI RPC_STATUS UuidCreate(UUID *uuid);
// 36 characters, 8-4-4-4-12 lower-case hexadecimal digits; free the text with RpcStringFreeA.
MFPAPI RPC_STATUS UuidToStringA(const UUID *uuid, RPC_CSTR *text);
MFPAPI RPC_STATUS UuidFromStringA(RPC_CSTR text, UUID *uuid);
MFPAPI RPC_STATUS RpcStringFreeA(RPC_CSTR *text);
