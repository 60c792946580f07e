// A machine's exported print set-up (driver, standard TCP/IP port, printer with printer data,
// connection) imported as it is and then read through the spooler's calls.
#include <cstring>
#include <filesystem>

#include "spooler_fixture.h"

using namespace spoolertest;

namespace {

class RegImportTest : public SpoolerTest {
protected:
    void SetUp() override
    {
        // Beside this source file (the build compiles it by its full path).
        const auto file = (std::filesystem::path(__FILE__).parent_path() / "fixtures/print_setup.reg").string();
        char error[512] = {};
        ASSERT_EQ(MfpRegImportFileA(file.c_str(), error, sizeof error), ERROR_SUCCESS) << error;
    }

    std::string PrinterData(HANDLE printer, const char *name)
    {
        std::string writable = name;
        char text[260] = {};
        DWORD needed = 0;
        const DWORD status =
            GetPrinterDataA(printer, writable.data(), nullptr, reinterpret_cast<LPBYTE>(text), 259, &needed);
        return status == ERROR_SUCCESS ? text : "<error " + std::to_string(status) + ">";
    }
};

TEST_F(RegImportTest, TheLocalPrinterReadsBackWithItsRecordDataAndDriver)
{
    OpenedPrinter printer("Lumora 940 Floor 3");
    ASSERT_NE(printer.get(), nullptr) << GetLastError();
    const auto record = ReadPacked([&](LPBYTE b, DWORD s, LPDWORD n) { return GetPrinterA(printer.get(), 2, b, s, n); });
    const auto &info = *reinterpret_cast<const PRINTER_INFO_2A *>(record.data());
    EXPECT_EQ(info.pServerName, nullptr);
    EXPECT_EQ(Text(info.pPrinterName), "Lumora 940 Floor 3");
    EXPECT_EQ(Text(info.pShareName), "Floor3");
    EXPECT_EQ(Text(info.pPortName), "IP_192.168.10.40");
    EXPECT_EQ(Text(info.pDriverName), "Lumora 940 PCL");
    EXPECT_EQ(Text(info.pComment), "Copy room, next to the stairs");
    EXPECT_EQ(Text(info.pLocation), "Building B / 3rd floor");
    EXPECT_EQ(info.Attributes, 0xA48u);
    EXPECT_EQ(info.Priority, 1u);

    EXPECT_EQ(PrinterData(printer.get(), "SNMP Community"), "floor3-ro");
    EXPECT_EQ(PrinterData(printer.get(), "DefName"), "Lumora 940");
    EXPECT_EQ(PrinterData(printer.get(), "SNMPIPAddress"), "<error 2>");

    const auto driver =
        ReadPacked([&](LPBYTE b, DWORD s, LPDWORD n) { return GetPrinterDriverA(printer.get(), nullptr, 3, b, s, n); });
    const auto &driverInfo = *reinterpret_cast<const DRIVER_INFO_3A *>(driver.data());
    const std::string directory = (root_.Path() / "Windows/System32/spool/drivers/x64/3").string();
    EXPECT_EQ(Text(driverInfo.pDriverPath), directory + "/UNIDRV.DLL");
    std::vector<std::string> dependents;
    for (LPCSTR file = driverInfo.pDependentFiles; *file; file += std::strlen(file) + 1)
        dependents.emplace_back(file);
    EXPECT_EQ(dependents, (std::vector<std::string>{directory + "/QV1Disc.dll", directory + "/Fennor.dll",
                                                    directory + "/qv1mi.dll"}));
}

TEST_F(RegImportTest, TheConnectionOpensByServerAndShare)
{
    OpenedPrinter printer("\\\\printsrv01\\Lumora-Annex");
    ASSERT_NE(printer.get(), nullptr) << GetLastError();
    const auto record = ReadPacked([&](LPBYTE b, DWORD s, LPDWORD n) { return GetPrinterA(printer.get(), 2, b, s, n); });
    const auto &info = *reinterpret_cast<const PRINTER_INFO_2A *>(record.data());
    EXPECT_EQ(Text(info.pServerName), "\\\\printsrv01");
    EXPECT_EQ(Text(info.pShareName), "Lumora-Annex");
    EXPECT_EQ(Text(info.pPortName), "IP_192.168.20.7");
    EXPECT_EQ(info.Attributes & 0x50u, 0x10u);
    EXPECT_EQ(PrinterData(printer.get(), "SNMPIPAddress"), "192.168.20.7");
}

TEST_F(RegImportTest, EnumerationSeesBothAndThePortKeyIsWhereItsMonitorKeepsIt)
{
    DWORD count = 0;
    ReadPacked([&](LPBYTE b, DWORD s, LPDWORD n) { return EnumPrintersA(0x7E, nullptr, 2, b, s, n, &count); });
    EXPECT_EQ(count, 2u);

    HKEY port = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                            "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP "
                            "Port\\Ports\\IP_192.168.10.40",
                            0, KEY_QUERY_VALUE, &port),
              ERROR_SUCCESS);
    char address[260] = {};
    DWORD size = sizeof address;
    EXPECT_EQ(RegQueryValueExA(port, "IPAddress", nullptr, nullptr, reinterpret_cast<LPBYTE>(address), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(address, "192.168.10.40");
    RegCloseKey(port);
}

}  // namespace
