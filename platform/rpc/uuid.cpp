// UuidCreate, UuidToStringA, UuidFromStringA and RpcStringFreeA over libuuid.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <uuid/uuid.h>

#include "mfpwin/rpc.h"

namespace {

constexpr size_t UuidTextLength = 36;

// libuuid keeps the 16 bytes in network order; the fields of a UUID are numbers.
void FieldsFromBytes(const uuid_t bytes, UUID &uuid)
{
    uuid.Data1 = (DWORD(bytes[0]) << 24) | (DWORD(bytes[1]) << 16) | (DWORD(bytes[2]) << 8) | DWORD(bytes[3]);
    uuid.Data2 = static_cast<WORD>((bytes[4] << 8) | bytes[5]);
    uuid.Data3 = static_cast<WORD>((bytes[6] << 8) | bytes[7]);
    std::memcpy(uuid.Data4, bytes + 8, 8);
}

void BytesFromFields(const UUID &uuid, uuid_t bytes)
{
    bytes[0] = static_cast<unsigned char>(uuid.Data1 >> 24);
    bytes[1] = static_cast<unsigned char>(uuid.Data1 >> 16);
    bytes[2] = static_cast<unsigned char>(uuid.Data1 >> 8);
    bytes[3] = static_cast<unsigned char>(uuid.Data1);
    bytes[4] = static_cast<unsigned char>(uuid.Data2 >> 8);
    bytes[5] = static_cast<unsigned char>(uuid.Data2);
    bytes[6] = static_cast<unsigned char>(uuid.Data3 >> 8);
    bytes[7] = static_cast<unsigned char>(uuid.Data3);
    std::memcpy(bytes + 8, uuid.Data4, 8);
}

}  // namespace

MFPAPI RPC_STATUS UuidCreate(UUID *uuid)
{
    if (!uuid)
        return RPC_S_INVALID_ARG;
    uuid_t bytes;
    uuid_generate_random(bytes);
    FieldsFromBytes(bytes, *uuid);
    return RPC_S_OK;
}

MFPAPI RPC_STATUS UuidToStringA(const UUID *uuid, RPC_CSTR *text)
{
    if (!text)
        return RPC_S_INVALID_ARG;
    UUID nil{};
    uuid_t bytes;
    BytesFromFields(uuid ? *uuid : nil, bytes);  // a null UUID reads as the nil UUID
    char *buffer = static_cast<char *>(std::malloc(UuidTextLength + 1));
    if (!buffer)
        return RPC_S_OUT_OF_MEMORY;
    uuid_unparse_lower(bytes, buffer);
    *text = reinterpret_cast<RPC_CSTR>(buffer);
    return RPC_S_OK;
}

MFPAPI RPC_STATUS UuidFromStringA(RPC_CSTR text, UUID *uuid)
{
    if (!uuid)
        return RPC_S_INVALID_ARG;
    if (!text) {
        *uuid = UUID{};
        return RPC_S_OK;
    }
    uuid_t bytes;
    const char *chars = reinterpret_cast<const char *>(text);
    if (std::strlen(chars) != UuidTextLength || uuid_parse(chars, bytes) != 0)
        return RPC_S_INVALID_STRING_UUID;
    FieldsFromBytes(bytes, *uuid);
    return RPC_S_OK;
}

MFPAPI RPC_STATUS RpcStringFreeA(RPC_CSTR *text)
{
    if (!text)
        return RPC_S_INVALID_ARG;
    std::free(*text);
    *text = nullptr;
    return RPC_S_OK;
}
