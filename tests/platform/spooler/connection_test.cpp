// Printer connections named \\server\share: kept per user, opened by that name, read as
// network printers with their server.
#include "spooler_fixture.h"

using namespace spoolertest;

namespace {

class ConnectionTest : public SpoolerTest {
protected:
    void SetUp() override { InstallDriver(kDriver); }

    PRINTER_INFO_2A ReadInfo(HANDLE printer, std::vector<BYTE> &buffer)
    {
        buffer = ReadPacked([&](LPBYTE b, DWORD s, LPDWORD n) { return GetPrinterA(printer, 2, b, s, n); });
        return *reinterpret_cast<const PRINTER_INFO_2A *>(buffer.data());
    }
};

TEST_F(ConnectionTest, AConnectionReadsAsANetworkPrinterOfItsServer)
{
    // Even a record that claims to be local is reported as what it is.
    AddConnection("\\\\srv\\Queue", "IP_10.0.0.9", PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_SHARED);
    OpenedPrinter printer("\\\\SRV\\queue");
    ASSERT_NE(printer.get(), nullptr);
    std::vector<BYTE> buffer;
    const auto info = ReadInfo(printer.get(), buffer);
    EXPECT_EQ(Text(info.pServerName), "\\\\srv");
    EXPECT_EQ(Text(info.pShareName), "Queue");
    EXPECT_EQ(Text(info.pPortName), "IP_10.0.0.9");
    EXPECT_EQ(Text(info.pDriverName), kDriver);
    EXPECT_EQ(info.Attributes, DWORD{PRINTER_ATTRIBUTE_NETWORK | PRINTER_ATTRIBUTE_SHARED});

    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterDriverA(printer.get(), nullptr, 3, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER)) << "the driver is found locally";
}

TEST_F(ConnectionTest, ConnectionsAndTheirDataLiveUnderTheCurrentUser)
{
    AddConnection("\\\\srv\\Queue", "IP_10.0.0.9");
    OpenedPrinter printer("\\\\srv\\Queue");
    std::string name = "SNMP Community", value = "secret";
    ASSERT_EQ(SetPrinterDataA(printer.get(), name.data(), REG_SZ, reinterpret_cast<LPBYTE>(value.data()), 7),
              static_cast<DWORD>(ERROR_SUCCESS));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Printers\\Connections\\,,srv,Queue\\PrinterDriverData", 0, KEY_READ,
                            &key),
              ERROR_SUCCESS);
    char text[16] = {};
    DWORD size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(key, "SNMP Community", nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, "secret");
    RegCloseKey(key);
}

TEST_F(ConnectionTest, ConnectionsCanBeAddedTwiceAndDeletedOnce)
{
    std::string name = "\\\\srv\\Queue";
    ASSERT_TRUE(AddPrinterConnectionA(name.data()));
    EXPECT_TRUE(AddPrinterConnectionA(name.data()));
    EXPECT_TRUE(DeletePrinterConnectionA(name.data()));
    EXPECT_FALSE(DeletePrinterConnectionA(name.data()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
    EXPECT_EQ(OpenedPrinter(name).get(), nullptr);

    for (std::string bad : {"Office", "\\\\srv", "\\\\srv\\", "\\\\s,v\\q", "\\\\srv\\a\\b"}) {
        EXPECT_FALSE(AddPrinterConnectionA(bad.data())) << bad;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME)) << bad;
    }
}

TEST_F(ConnectionTest, AConnectionKeptWithoutRecordValuesStillHasALevel2Record)
{
    // What a machine's own export holds for a connection: the server and provider only.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Printers\\Connections\\,,print01,Floor 2", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char provider[] = "win32spl.dll";
    RegSetValueExA(key, "Provider", 0, REG_SZ, reinterpret_cast<const BYTE *>(provider), sizeof provider);
    RegCloseKey(key);
    OpenedPrinter printer("\\\\print01\\Floor 2");
    ASSERT_NE(printer.get(), nullptr);
    std::vector<BYTE> buffer;
    const auto info = ReadInfo(printer.get(), buffer);
    EXPECT_EQ(Text(info.pServerName), "\\\\print01");
    EXPECT_EQ(Text(info.pPrinterName), "\\\\print01\\Floor 2");
    EXPECT_EQ(Text(info.pShareName), "Floor 2");
    EXPECT_EQ(Text(info.pPortName), "");
    EXPECT_EQ(info.Attributes, DWORD{PRINTER_ATTRIBUTE_NETWORK});
}

}  // namespace
