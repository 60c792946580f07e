// GetPrinterA's packed records: layout, pointers inside the caller's buffer, the required-size
// protocol and its errors.
#include <cstddef>
#include <cstring>

#include "spooler_fixture.h"

using namespace spoolertest;

namespace {

class PackedPrinterRecordTest : public SpoolerTest {
protected:
    void SetUp() override
    {
        InstallDriver(kDriver);
        ASSERT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5", PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_SHARED),
                  static_cast<DWORD>(ERROR_SUCCESS));
    }
};

// Every text pointer of a record must point behind the records and inside the needed size.
void ExpectInside(const BYTE *buffer, size_t size, size_t recordsSize, LPCSTR text, const char *field)
{
    if (!text)
        return;
    const auto *at = reinterpret_cast<const BYTE *>(text);
    EXPECT_GE(at, buffer + recordsSize) << field;
    EXPECT_LT(at, buffer + size) << field;
    EXPECT_LE(at + std::strlen(text) + 1, buffer + size) << field;
}

TEST(PrinterInfoLayout, FieldsSitWhereWindowsCallersExpectThem)
{
    struct Offset {
        const char *field;
        size_t actual, expected;
    };
    const Offset offsets[] = {
        {"pServerName", offsetof(PRINTER_INFO_2A, pServerName), 0},
        {"pPortName", offsetof(PRINTER_INFO_2A, pPortName), 24},
        {"pDevMode", offsetof(PRINTER_INFO_2A, pDevMode), 56},
        {"pSecurityDescriptor", offsetof(PRINTER_INFO_2A, pSecurityDescriptor), 96},
        {"Attributes", offsetof(PRINTER_INFO_2A, Attributes), 104},
        {"Status", offsetof(PRINTER_INFO_2A, Status), 124},
        {"AveragePPM", offsetof(PRINTER_INFO_2A, AveragePPM), 132},
        {"sizeof PRINTER_INFO_2A", sizeof(PRINTER_INFO_2A), 136},
        {"DRIVER_INFO_3A pDependentFiles", offsetof(DRIVER_INFO_3A, pDependentFiles), 56},
        {"sizeof DRIVER_INFO_3A", sizeof(DRIVER_INFO_3A), 80},
        {"sizeof PRINTER_INFO_4A", sizeof(PRINTER_INFO_4A), 24},
    };
    for (const auto &offset : offsets)
        EXPECT_EQ(offset.actual, offset.expected) << offset.field;
}

TEST_F(PackedPrinterRecordTest, Level2RecordComesFirstAndItsTextsFollowInsideTheBuffer)
{
    OpenedPrinter printer("office");  // names are case-insensitive
    ASSERT_NE(printer.get(), nullptr);
    const auto buffer =
        ReadPacked([&](LPBYTE b, DWORD s, LPDWORD n) { return GetPrinterA(printer.get(), 2, b, s, n); });
    ASSERT_GE(buffer.size(), sizeof(PRINTER_INFO_2A));
    const auto &info = *reinterpret_cast<const PRINTER_INFO_2A *>(buffer.data());
    const std::pair<const char *, LPCSTR> texts[] = {
        {"pPrinterName", info.pPrinterName}, {"pShareName", info.pShareName},   {"pPortName", info.pPortName},
        {"pDriverName", info.pDriverName},   {"pComment", info.pComment},       {"pLocation", info.pLocation},
        {"pSepFile", info.pSepFile},         {"pPrintProcessor", info.pPrintProcessor},
        {"pDatatype", info.pDatatype},       {"pParameters", info.pParameters},
    };
    for (const auto &[field, text] : texts) {
        ASSERT_NE(text, nullptr) << field;
        ExpectInside(buffer.data(), buffer.size(), sizeof(PRINTER_INFO_2A), text, field);
    }
    EXPECT_EQ(info.pServerName, nullptr);  // a local printer has no server
    EXPECT_EQ(Text(info.pPrinterName), "Office");
    EXPECT_EQ(Text(info.pPortName), "IP_10.0.0.5");
    EXPECT_EQ(Text(info.pDriverName), kDriver);
    EXPECT_EQ(Text(info.pComment), "by the test");
    EXPECT_EQ(Text(info.pPrintProcessor), "winprint");
    EXPECT_EQ(Text(info.pDatatype), "RAW");
    EXPECT_EQ(info.Attributes, DWORD{PRINTER_ATTRIBUTE_LOCAL | PRINTER_ATTRIBUTE_SHARED});
    EXPECT_EQ(info.pDevMode, nullptr);
    EXPECT_EQ(info.pSecurityDescriptor, nullptr);
}

TEST_F(PackedPrinterRecordTest, EveryLevelAnswersTheSizeQuestionAndRefusesAShortBuffer)
{
    OpenedPrinter printer("Office");
    struct Case {
        DWORD level;
        size_t recordSize;
    };
    for (const Case level : {Case{1, sizeof(PRINTER_INFO_1A)}, Case{2, sizeof(PRINTER_INFO_2A)},
                             Case{4, sizeof(PRINTER_INFO_4A)}}) {
        SCOPED_TRACE(level.level);
        DWORD needed = 0;
        SetLastError(0);
        EXPECT_FALSE(GetPrinterA(printer.get(), level.level, nullptr, 0, &needed));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        EXPECT_GT(needed, level.recordSize);

        std::vector<BYTE> buffer(needed, 0xAB);
        DWORD shortNeeded = 0;
        EXPECT_FALSE(GetPrinterA(printer.get(), level.level, buffer.data(), needed - 1, &shortNeeded));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        EXPECT_EQ(shortNeeded, needed);
        EXPECT_EQ(buffer[0], 0xAB) << "a refused call must not write";

        EXPECT_TRUE(GetPrinterA(printer.get(), level.level, buffer.data(), needed, &needed));
    }
    std::vector<BYTE> level1(512);
    DWORD needed = 0;
    ASSERT_TRUE(GetPrinterA(printer.get(), 1, level1.data(), 512, &needed));
    const auto &info1 = *reinterpret_cast<const PRINTER_INFO_1A *>(level1.data());
    EXPECT_EQ(Text(info1.pName), "Office");
    EXPECT_EQ(Text(info1.pDescription), "Office,Lumora Driver,");
    ExpectInside(level1.data(), needed, sizeof info1, info1.pDescription, "pDescription");
}

TEST_F(PackedPrinterRecordTest, BadArgumentsGiveDefinedErrors)
{
    OpenedPrinter printer("Office");
    HANDLE closed = nullptr;
    std::string name = "Office";
    ASSERT_TRUE(OpenPrinterA(name.data(), &closed, nullptr));
    ASSERT_TRUE(ClosePrinter(closed));
    BYTE buffer[1024];
    DWORD needed = 0;
    struct Case {
        const char *what;
        HANDLE handle;
        DWORD level;
        LPBYTE buffer;
        DWORD size;
        LPDWORD needed;
        DWORD error;
    };
    const Case cases[] = {
        {"level 3", printer.get(), 3, buffer, sizeof buffer, &needed, ERROR_INVALID_LEVEL},
        {"no size out", printer.get(), 2, buffer, sizeof buffer, nullptr, ERROR_INVALID_PARAMETER},
        {"size without buffer", printer.get(), 2, nullptr, 500, &needed, ERROR_INVALID_USER_BUFFER},
        {"null handle", nullptr, 2, buffer, sizeof buffer, &needed, ERROR_INVALID_HANDLE},
        {"closed handle", closed, 2, buffer, sizeof buffer, &needed, ERROR_INVALID_HANDLE},
        {"made-up handle", reinterpret_cast<HANDLE>(0x1234), 2, buffer, sizeof buffer, &needed, ERROR_INVALID_HANDLE},
    };
    for (const auto &c : cases) {
        SetLastError(0);
        EXPECT_FALSE(GetPrinterA(c.handle, c.level, c.buffer, c.size, c.needed)) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    EXPECT_FALSE(ClosePrinter(closed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(PackedPrinterRecordTest, ARecordValueOfTheWrongTypeIsReportedNotMisread)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\Office", 0,
                            KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);
    const char text[] = "64";
    ASSERT_EQ(RegSetValueExA(key, "Attributes", 0, REG_SZ, reinterpret_cast<const BYTE *>(text), sizeof text),
              ERROR_SUCCESS);
    RegCloseKey(key);

    OpenedPrinter printer("Office");
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterA(printer.get(), 2, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
}

}  // namespace
