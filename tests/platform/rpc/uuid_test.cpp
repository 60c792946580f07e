#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <set>
#include <string>

#include "mfpwin.h"

namespace {

std::string Text(const UUID &uuid)
{
    RPC_CSTR text = nullptr;
    EXPECT_EQ(UuidToStringA(&uuid, &text), RPC_S_OK);
    std::string result = reinterpret_cast<char *>(text);
    EXPECT_EQ(RpcStringFreeA(&text), RPC_S_OK);
    EXPECT_EQ(text, nullptr);
    return result;
}

TEST(Uuids, RandomVersionFourInLowerCaseGroups)
{
    const std::regex form("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        UUID uuid;
        ASSERT_EQ(UuidCreate(&uuid), RPC_S_OK);
        std::string text = Text(uuid);
        ASSERT_TRUE(std::regex_match(text, form)) << text;
        EXPECT_EQ(uuid.Data3 >> 12, 4) << "the version sits in the fields, not only in the text";
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 2000u);
}

TEST(Uuids, TextFollowsTheFieldValues)
{
    UUID uuid{0x01234567, 0x89ab, 0xcdef, {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef}};
    EXPECT_EQ(Text(uuid), "01234567-89ab-cdef-0123-456789abcdef");

    UUID parsed{};
    std::string upper = "01234567-89AB-CDEF-0123-456789ABCDEF";
    ASSERT_EQ(UuidFromStringA(reinterpret_cast<RPC_CSTR>(upper.data()), &parsed), RPC_S_OK);
    EXPECT_EQ(parsed.Data1, uuid.Data1);
    EXPECT_EQ(parsed.Data2, uuid.Data2);
    EXPECT_EQ(parsed.Data3, uuid.Data3);
    EXPECT_EQ(std::memcmp(parsed.Data4, uuid.Data4, 8), 0);

    for (std::string bad : {"", "01234567-89ab-cdef-0123-456789abcde", "01234567-89ab-cdef-0123-456789abcdefa",
                            "0123456789ab-cdef-0123-456789abcdef-", "g1234567-89ab-cdef-0123-456789abcdef"})
        EXPECT_EQ(UuidFromStringA(reinterpret_cast<RPC_CSTR>(bad.data()), &parsed), RPC_S_INVALID_STRING_UUID) << bad;
}

TEST(Uuids, NullArguments)
{
    EXPECT_EQ(UuidCreate(nullptr), RPC_S_INVALID_ARG);
    UUID uuid{};
    EXPECT_EQ(UuidToStringA(&uuid, nullptr), RPC_S_INVALID_ARG);
    EXPECT_EQ(RpcStringFreeA(nullptr), RPC_S_INVALID_ARG);
    RPC_CSTR none = nullptr;
    EXPECT_EQ(RpcStringFreeA(&none), RPC_S_OK);
}

}  // namespace
