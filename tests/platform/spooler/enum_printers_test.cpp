// EnumPrintersA: which printers each flag returns, the size protocol over several records, and
// what a broken record does to an enumeration.
#include "spooler_fixture.h"

using namespace spoolertest;

namespace {

class EnumPrintersTest : public SpoolerTest {
protected:
    void SetUp() override
    {
        InstallDriver(kDriver);
        ASSERT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
        ASSERT_EQ(AddLocalPrinter("Shared", "IP_10.0.0.6", PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_SHARED),
                  static_cast<DWORD>(ERROR_SUCCESS));
        ASSERT_EQ(AddLocalPrinter("OnShare", "\\\\srv\\q", PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_NETWORK),
                  static_cast<DWORD>(ERROR_SUCCESS));
        AddConnection("\\\\srv\\Queue", "IP_10.0.0.9");
    }

    std::vector<std::string> Names(DWORD flags)
    {
        DWORD count = 0;
        const auto buffer = ReadPacked([&](LPBYTE b, DWORD s, LPDWORD n) {
            return EnumPrintersA(flags, nullptr, 2, b, s, n, &count);
        });
        std::vector<std::string> names;
        const auto *printers = reinterpret_cast<const PRINTER_INFO_2A *>(buffer.data());
        for (DWORD i = 0; i < count; ++i)
            names.push_back(Text(printers[i].pPrinterName));
        return names;
    }
};

TEST_F(EnumPrintersTest, EachFlagReturnsItsPrintersAndCombinedFlagsReturnEachPrinterOnce)
{
    const struct {
        DWORD flags;
        std::vector<std::string> expected;
    } cases[] = {
        {PRINTER_ENUM_LOCAL, {"Office", "OnShare", "Shared"}},
        {PRINTER_ENUM_CONNECTIONS, {"\\\\srv\\Queue"}},
        {PRINTER_ENUM_NETWORK, {"OnShare", "\\\\srv\\Queue"}},
        {PRINTER_ENUM_SHARED, {"Shared"}},
        {PRINTER_ENUM_REMOTE, {}},
        {PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, {"Office", "OnShare", "Shared", "\\\\srv\\Queue"}},
        {0x7E, {"Office", "OnShare", "Shared", "\\\\srv\\Queue"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.flags);
        if (c.expected.empty()) {
            DWORD needed = 1, count = 1;
            EXPECT_TRUE(EnumPrintersA(c.flags, nullptr, 2, nullptr, 0, &needed, &count));
            EXPECT_EQ(needed, 0u);
            EXPECT_EQ(count, 0u);
            continue;
        }
        EXPECT_EQ(Names(c.flags), c.expected);
    }
}

TEST_F(EnumPrintersTest, DefaultFlagReturnsTheUsersDefaultPrinter)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char device[] = "Shared,winspool,Ne01:";
    ASSERT_EQ(RegSetValueExA(key, "Device", 0, REG_SZ, reinterpret_cast<const BYTE *>(device), sizeof device),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(Names(PRINTER_ENUM_DEFAULT), std::vector<std::string>{"Shared"});
}

TEST_F(EnumPrintersTest, ConnectionsCarryTheirServerAndTheNetworkAttribute)
{
    DWORD count = 0;
    const auto buffer = ReadPacked([&](LPBYTE b, DWORD s, LPDWORD n) {
        return EnumPrintersA(PRINTER_ENUM_CONNECTIONS, nullptr, 2, b, s, n, &count);
    });
    ASSERT_EQ(count, 1u);
    const auto &info = *reinterpret_cast<const PRINTER_INFO_2A *>(buffer.data());
    EXPECT_EQ(Text(info.pServerName), "\\\\srv");
    EXPECT_EQ(Text(info.pShareName), "Queue");
    EXPECT_EQ(Text(info.pPortName), "IP_10.0.0.9");
    EXPECT_EQ(info.Attributes & (PRINTER_ATTRIBUTE_NETWORK | PRINTER_ATTRIBUTE_LOCAL), DWORD{PRINTER_ATTRIBUTE_NETWORK});
}

TEST_F(EnumPrintersTest, SizeProtocolCoversAllRecordsAndEveryLevel)
{
    for (const DWORD level : {1u, 2u, 4u}) {
        SCOPED_TRACE(level);
        DWORD needed = 0, count = 7;
        BYTE one[1];
        EXPECT_FALSE(EnumPrintersA(0x7E, nullptr, level, one, sizeof one, &needed, &count));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        EXPECT_EQ(count, 0u);
        std::vector<BYTE> buffer(needed + 1000);
        ASSERT_TRUE(EnumPrintersA(0x7E, nullptr, level, buffer.data(), needed, &needed, &count));
        EXPECT_EQ(count, 4u);
    }
    std::vector<BYTE> buffer(8192);
    DWORD needed = 0, count = 0;
    ASSERT_TRUE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), 8192, &needed, &count));
    const auto *info = reinterpret_cast<const PRINTER_INFO_4A *>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        EXPECT_GE(reinterpret_cast<const BYTE *>(info[i].pPrinterName), buffer.data() + count * sizeof *info);
        EXPECT_LT(reinterpret_cast<const BYTE *>(info[i].pPrinterName), buffer.data() + needed);
    }
}

TEST_F(EnumPrintersTest, BadArgumentsGiveDefinedErrors)
{
    DWORD needed = 0, count = 0;
    char server[] = "\\\\elsewhere";
    const struct {
        const char *what;
        DWORD flags;
        LPSTR name;
        DWORD level;
        LPDWORD needed, count;
        DWORD error;
    } cases[] = {
        {"no flags", 0, nullptr, 2, &needed, &count, ERROR_INVALID_FLAGS},
        {"unknown flag only", 0x1000, nullptr, 2, &needed, &count, ERROR_INVALID_FLAGS},
        {"level 3", PRINTER_ENUM_LOCAL, nullptr, 3, &needed, &count, ERROR_INVALID_LEVEL},
        {"another server", PRINTER_ENUM_NAME, server, 2, &needed, &count, ERROR_INVALID_NAME},
        {"no size out", PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, &count, ERROR_INVALID_PARAMETER},
        {"no count out", PRINTER_ENUM_LOCAL, nullptr, 2, &needed, nullptr, ERROR_INVALID_PARAMETER},
    };
    for (const auto &c : cases) {
        SetLastError(0);
        EXPECT_FALSE(EnumPrintersA(c.flags, c.name, c.level, nullptr, 0, c.needed, c.count)) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
}

TEST_F(EnumPrintersTest, APrinterWithABrokenRecordIsLeftOutOfTheList)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\Shared", 0,
                            KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);
    const BYTE binary[] = {1, 2, 3};
    ASSERT_EQ(RegSetValueExA(key, "Port", 0, REG_BINARY, binary, sizeof binary), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(Names(PRINTER_ENUM_LOCAL), (std::vector<std::string>{"Office", "OnShare"}));
}

}  // namespace
