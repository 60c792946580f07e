// Opening, adding and deleting printers: names, duplicates, missing drivers.
#include "spooler_fixture.h"

using namespace spoolertest;

namespace {

class PrinterAdminTest : public SpoolerTest {
protected:
    void SetUp() override { InstallDriver(kDriver); }
};

TEST_F(PrinterAdminTest, AddPrinterRefusesWhatCannotBeAPrinter)
{
    ASSERT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
    const struct {
        const char *what;
        std::string name, port, driver;
        DWORD error;
    } cases[] = {
        {"empty name", "", "P", kDriver, ERROR_INVALID_PRINTER_NAME},
        {"backslash", "a\\b", "P", kDriver, ERROR_INVALID_PRINTER_NAME},
        {"comma", "a,b", "P", kDriver, ERROR_INVALID_PRINTER_NAME},
        {"221 characters", std::string(221, 'n'), "P", kDriver, ERROR_INVALID_PRINTER_NAME},
        {"no port", "NoPort", "", kDriver, ERROR_UNKNOWN_PORT},
        {"driver not installed", "NoDriver", "P", "Missing Driver", ERROR_UNKNOWN_PRINTER_DRIVER},
        {"same name in other case", "OFFICE", "P", kDriver, ERROR_PRINTER_ALREADY_EXISTS},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AddLocalPrinter(c.name, c.port, PRINTER_ATTRIBUTE_LOCAL, c.driver), c.error) << c.what;
    EXPECT_EQ(AddLocalPrinter(std::string(220, 'n'), "P"), static_cast<DWORD>(ERROR_SUCCESS));

    std::string remote = "\\\\server";
    PRINTER_INFO_2A info{};
    EXPECT_EQ(AddPrinterA(remote.data(), 2, reinterpret_cast<LPBYTE>(&info)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(AddPrinterA(nullptr, 1, reinterpret_cast<LPBYTE>(&info)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
    EXPECT_EQ(AddPrinterA(nullptr, 2, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(PrinterAdminTest, AttributesAreKeptAsGiven)
{
    // Callers set up printers with neither the local nor the network bit on purpose.
    for (const DWORD attributes : {0u, 0x40u, 0x10u, 0x50u, 0x248u}) {
        const std::string name = "P" + std::to_string(attributes);
        ASSERT_EQ(AddLocalPrinter(name, "IP_1.2.3.4", attributes), static_cast<DWORD>(ERROR_SUCCESS));
        OpenedPrinter printer(name);
        DWORD needed = 0;
        std::vector<BYTE> buffer(2048);
        ASSERT_TRUE(GetPrinterA(printer.get(), 2, buffer.data(), 2048, &needed));
        EXPECT_EQ(reinterpret_cast<const PRINTER_INFO_2A *>(buffer.data())->Attributes, attributes);
    }
}

TEST_F(PrinterAdminTest, OpenPrinterFindsPrintersOnlyAndResetsTheHandleOnFailure)
{
    ASSERT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
    PRINTER_DEFAULTSA defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    HANDLE handle = nullptr;
    std::string office = "Office";
    ASSERT_TRUE(OpenPrinterA(office.data(), &handle, &defaults));
    EXPECT_TRUE(ClosePrinter(handle));

    const std::string refused[] = {"Nowhere", "", std::string(300, 'x'), "\\\\srv", "\\\\srv\\", "\\\\\\q",
                                   "\\\\srv\\a\\b", "\\\\srv\\unknown"};
    for (std::string name : refused) {
        handle = reinterpret_cast<HANDLE>(0x99);
        EXPECT_FALSE(OpenPrinterA(name.data(), &handle, nullptr)) << name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME)) << name;
        EXPECT_EQ(handle, nullptr) << name;
    }
    EXPECT_FALSE(OpenPrinterA(nullptr, &handle, nullptr));
    EXPECT_FALSE(OpenPrinterA(office.data(), nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(PrinterAdminTest, TheRecordIsNamedAfterItsKeyEvenWhenItsNameValueDisagrees)
{
    ASSERT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\Office", 0,
                            KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);
    const char other[] = "Somewhere else";
    ASSERT_EQ(RegSetValueExA(key, "Name", 0, REG_SZ, reinterpret_cast<const BYTE *>(other), sizeof other),
              ERROR_SUCCESS);
    RegCloseKey(key);
    OpenedPrinter printer("OFFICE");
    std::vector<BYTE> buffer(2048);
    DWORD needed = 0;
    ASSERT_TRUE(GetPrinterA(printer.get(), 2, buffer.data(), 2048, &needed));
    EXPECT_EQ(Text(reinterpret_cast<PRINTER_INFO_2A *>(buffer.data())->pPrinterName), "OFFICE");
}

TEST_F(PrinterAdminTest, DeletedPrinterIsGoneForNewAndOldHandles)
{
    ASSERT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
    OpenedPrinter other("Office");
    {
        OpenedPrinter printer("Office");
        ASSERT_TRUE(DeletePrinterA(printer.get()));
    }
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterA(other.get(), 2, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
    EXPECT_EQ(OpenedPrinter("Office").get(), nullptr);
    EXPECT_FALSE(DeletePrinter(other.get()));
}

TEST_F(PrinterAdminTest, SetPrinterChangesTheRecordButNotTheName)
{
    ASSERT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
    OpenedPrinter printer("Office");
    std::vector<BYTE> buffer(2048);
    DWORD needed = 0;
    ASSERT_TRUE(GetPrinterA(printer.get(), 2, buffer.data(), 2048, &needed));
    auto info = *reinterpret_cast<PRINTER_INFO_2A *>(buffer.data());
    std::string port = "IP_10.0.0.6";
    info.pPortName = port.data();
    ASSERT_TRUE(SetPrinterA(printer.get(), 2, reinterpret_cast<LPBYTE>(&info), 0)) << GetLastError();
    std::vector<BYTE> after(2048);
    ASSERT_TRUE(GetPrinterA(printer.get(), 2, after.data(), 2048, &needed));
    EXPECT_EQ(Text(reinterpret_cast<PRINTER_INFO_2A *>(after.data())->pPortName), "IP_10.0.0.6");
    EXPECT_EQ(Text(reinterpret_cast<PRINTER_INFO_2A *>(after.data())->pComment), "by the test");

    std::string renamed = "Elsewhere";
    info.pPrinterName = renamed.data();
    EXPECT_FALSE(SetPrinterA(printer.get(), 2, reinterpret_cast<LPBYTE>(&info), 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
}

}  // namespace
