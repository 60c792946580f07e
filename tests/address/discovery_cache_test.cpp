// The job monitor's discovery cache, the Windows NT 4.0 road through the desktop shell's user,
// and the text form of security identifiers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "address/discovery_cache.h"
#include "mfpwin/user.h"
#include "printer_setup.h"
#include "temp_root.h"

using namespace spinetest;
using mfpaddress::ReadDiscoveryCache;

namespace {

// A SID in a byte buffer: authority (6 bytes) and sub-authorities.
std::vector<unsigned char> MakeSid(const std::vector<BYTE> &authority, const std::vector<DWORD> &subAuthorities)
{
    std::vector<unsigned char> bytes(8 + 4 * std::max<size_t>(1, subAuthorities.size()));
    SID *sid = reinterpret_cast<SID *>(bytes.data());
    sid->Revision = SID_REVISION;
    sid->SubAuthorityCount = static_cast<BYTE>(subAuthorities.size());
    std::memcpy(sid->IdentifierAuthority.Value, authority.data(), 6);
    std::memcpy(bytes.data() + 8, subAuthorities.data(), 4 * subAuthorities.size());
    return bytes;
}

TEST(SidToText, StandardTextForm)
{
    const struct {
        std::vector<BYTE> authority;
        std::vector<DWORD> subAuthorities;
        const char *text;
    } cases[] = {
        {{0, 0, 0, 0, 0, 5}, {21, 1000}, "S-1-5-21-1000"},
        {{0, 0, 0, 0, 0, 1}, {0}, "S-1-1-0"},
        {{0, 0, 0, 0, 0, 5}, {21, 4294967295u, 7, 8, 1001}, "S-1-5-21-4294967295-7-8-1001"},
        {{0, 0, 1, 2, 3, 4}, {9}, "S-1-16909060-9"},
        {{0, 1, 0, 0, 0, 5}, {32}, "S-1-0x000100000005-32"},
    };
    for (const auto &c : cases) {
        auto sid = MakeSid(c.authority, c.subAuthorities);
        char text[256] = {};
        DWORD length = sizeof text;
        ASSERT_TRUE(mfpaddress::SidToText(sid.data(), text, &length)) << c.text;
        EXPECT_STREQ(text, c.text);
    }
}

TEST(SidToText, ShortBufferReportsTheSizeNeeded)
{
    auto sid = MakeSid({0, 0, 0, 0, 0, 5}, {21, 1000});
    DWORD length = 0;
    SetLastError(0);
    EXPECT_FALSE(mfpaddress::SidToText(sid.data(), nullptr, &length));
    EXPECT_EQ(length, 2u * 12 + 28);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    std::vector<char> buffer(length - 1, 'x');
    DWORD shortLength = length - 1;
    EXPECT_FALSE(mfpaddress::SidToText(sid.data(), buffer.data(), &shortLength));
    EXPECT_EQ(shortLength, length);
    EXPECT_EQ(buffer[0], 'x');
}

TEST(SidToText, InvalidIdentifier)
{
    auto sid = MakeSid({0, 0, 0, 0, 0, 5}, {21});
    reinterpret_cast<SID *>(sid.data())->Revision = 2;
    char text[64];
    DWORD length = sizeof text;
    EXPECT_FALSE(mfpaddress::SidToText(sid.data(), text, &length));
    EXPECT_FALSE(mfpaddress::SidToText(nullptr, text, &length));
}

class DiscoveryCache : public ::testing::Test {
protected:
    mfptest::TempRoot root;
};

TEST_F(DiscoveryCache, EntriesByBrandAndPortName)
{
    AddDiscoveryEntry(0, "IP_printer7", "10.0.0.70");
    AddDiscoveryEntry(3, "IP_printer8", "10.0.0.83");
    AddDiscoveryEntry(0, "\\\\srv\\q,1", "10.0.0.71");  // separators inside a value name
    const struct {
        const char *port;
        int brand;
        int found;
        const char *address;
    } cases[] = {
        {"IP_printer7", 0, 1, "10.0.0.70"}, {"ip_PRINTER7", 0, 1, "10.0.0.70"}, {"IP_printer7", 3, 0, "untouched"},
        {"IP_printer8", 3, 1, "10.0.0.83"}, {"IP_printer8", 0, 0, "untouched"}, {"\\\\srv\\q,1", 7, 1, "10.0.0.71"},
        {"", 0, 0, "untouched"},
    };
    for (const auto &c : cases) {
        char address[260] = "untouched";
        EXPECT_EQ(ReadDiscoveryCache(c.port, address, c.brand), c.found) << c.port << " " << c.brand;
        EXPECT_STREQ(address, c.address) << c.port << " " << c.brand;
    }
}

TEST_F(DiscoveryCache, ValuesThatDoNotFitOrAreNotTextAreNoEntry)
{
    AddDiscoveryEntry(0, "fits", std::string(259, 'a'));
    AddDiscoveryEntry(0, "too long", std::string(260, 'a'));
    SetDword(HKEY_CURRENT_USER, mfpaddress::DiscoveryKeyPath(0), "number", 0x0A000007);
    char address[260] = "untouched";
    EXPECT_EQ(ReadDiscoveryCache("fits", address, 0), 1);
    EXPECT_EQ(std::string(address), std::string(259, 'a'));
    std::strcpy(address, "untouched");
    EXPECT_EQ(ReadDiscoveryCache("too long", address, 0), 0);
    EXPECT_EQ(ReadDiscoveryCache("number", address, 0), 0);
    EXPECT_STREQ(address, "untouched");
}

// On Windows NT 4.0 the cache is read from the hive of the desktop shell's user, found through
// the shell's window; without that window there is no entry.
TEST_F(DiscoveryCache, WindowsNt4ReadsTheShellUsersHive)
{
    AddDiscoveryEntry(0, "IP_printer7", "10.0.0.70");
    setenv("MFP_WINVER", "nt:4.0", 1);
    char address[260] = {};
    EXPECT_EQ(ReadDiscoveryCache("IP_printer7", address, 0), 0);

    WNDCLASSA shellClass{};
    shellClass.lpfnWndProc = DefWindowProcA;
    shellClass.lpszClassName = "Progman";
    RegisterClassA(&shellClass);
    HWND shell = CreateWindowExA(0, "Progman", "Program Manager", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(ReadDiscoveryCache("IP_printer7", address, 0), 1);
    EXPECT_STREQ(address, "10.0.0.70");
    DestroyWindow(shell);
    unsetenv("MFP_WINVER");
}

TEST_F(DiscoveryCache, Windows9xAndLaterNtUseTheCurrentUser)
{
    AddDiscoveryEntry(0, "IP_printer7", "10.0.0.70");
    for (const char *version : {"9x:4.10", "nt:5.1", "nt:10.0"}) {
        setenv("MFP_WINVER", version, 1);
        char address[260] = {};
        EXPECT_EQ(ReadDiscoveryCache("IP_printer7", address, 0), 1) << version;
    }
    unsetenv("MFP_WINVER");
}

}  // namespace
