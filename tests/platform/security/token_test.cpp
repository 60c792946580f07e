#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

#include "mfpwin.h"

namespace {

// The token user of a process, read with the size call and then the data call.
std::vector<BYTE> ReadTokenUser(HANDLE token)
{
    DWORD needed = 0;
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(GetTokenInformation(token, TokenUser, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    std::vector<BYTE> buffer(needed);
    DWORD written = 0;
    EXPECT_TRUE(GetTokenInformation(token, TokenUser, buffer.data(), needed, &written));
    EXPECT_EQ(written, needed);
    return buffer;
}

// The text form of an identifier, built only from the accessor calls.
std::string SidText(PSID sid)
{
    PSID_IDENTIFIER_AUTHORITY authority = GetSidIdentifierAuthority(sid);
    unsigned long value = (unsigned long)authority->Value[2] << 24 | authority->Value[3] << 16 | authority->Value[4] << 8 | authority->Value[5];
    std::string text = "S-1-" + std::to_string(value);
    for (DWORD i = 0; i < *GetSidSubAuthorityCount(sid); ++i)
        text += "-" + std::to_string(*GetSidSubAuthority(sid, i));
    return text;
}

TEST(Tokens, TokenUserOfTheDesktopProcessIsItsPosixOwner)
{
    // As the hive lookup does it: the process by id with full access, its token for query.
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, GetCurrentProcessId());
    ASSERT_NE(process, nullptr);
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(process, TOKEN_QUERY, &token));

    std::vector<BYTE> buffer = ReadTokenUser(token);
    auto *user = reinterpret_cast<TOKEN_USER *>(buffer.data());
    PSID sid = user->User.Sid;
    ASSERT_TRUE(IsValidSid(sid));
    EXPECT_GE(static_cast<BYTE *>(sid), buffer.data());
    EXPECT_LE(static_cast<BYTE *>(sid) + GetLengthSid(sid), buffer.data() + buffer.size()) << "the identifier lies in the buffer";
    EXPECT_EQ(GetLengthSid(sid), 8u + 4u * 5u);
    EXPECT_EQ(SidText(sid), "S-1-5-21-0-0-0-" + std::to_string(1000 + getuid()));

    CloseHandle(token);
    CloseHandle(process);
}

TEST(Tokens, SizeProtocolAndAccessChecks)
{
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    DWORD needed = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &needed);
    std::vector<BYTE> shortBuffer(needed - 1, 0xEE);
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(GetTokenInformation(token, TokenUser, shortBuffer.data(), needed - 1, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(shortBuffer[0], 0xEE) << "nothing written into a short buffer";

    std::vector<BYTE> buffer(needed);
    EXPECT_FALSE(GetTokenInformation(token, TokenGroups, buffer.data(), needed, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(WaitForSingleObject(token, 0), WAIT_FAILED) << "a token cannot be waited on";
    CloseHandle(token);

    HANDLE noQuery = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE, &noQuery));
    EXPECT_FALSE(GetTokenInformation(noQuery, TokenUser, buffer.data(), needed, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    CloseHandle(noQuery);

    EXPECT_FALSE(OpenProcessToken(nullptr, TOKEN_QUERY, &token));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(GetTokenInformation(nullptr, TokenUser, buffer.data(), needed, &needed));
}

TEST(Sids, AccessorsAndValidity)
{
    // S-1-5-21-1000, as in the discovery-cache examples.
    alignas(DWORD) BYTE sidBytes[16] = {1, 2, 0, 0, 0, 0, 0, 5, 21, 0, 0, 0, 0xE8, 0x03, 0, 0};
    PSID sid = sidBytes;
    ASSERT_TRUE(IsValidSid(sid));
    EXPECT_EQ(SidText(sid), "S-1-5-21-1000");
    EXPECT_EQ(GetLengthSid(sid), 16u);
    EXPECT_EQ(GetSidSubAuthority(sid, 2), nullptr) << "no address past the identifier";

    alignas(DWORD) BYTE copy[16];
    EXPECT_FALSE(CopySid(15, copy, sid));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    ASSERT_TRUE(CopySid(sizeof copy, copy, sid));
    EXPECT_TRUE(EqualSid(copy, sid));
    copy[12] = 0xE9;
    EXPECT_FALSE(EqualSid(copy, sid));

    struct Invalid {
        BYTE revision;
        BYTE count;
    };
    for (Invalid invalid : {Invalid{0, 1}, Invalid{2, 1}, Invalid{1, 16}}) {
        BYTE bad[8] = {invalid.revision, invalid.count, 0, 0, 0, 0, 0, 5};
        EXPECT_FALSE(IsValidSid(bad)) << int(invalid.revision) << "/" << int(invalid.count);
        EXPECT_EQ(GetSidSubAuthorityCount(bad), nullptr);
    }
    EXPECT_FALSE(IsValidSid(nullptr));
}

}  // namespace
