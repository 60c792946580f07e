// GetPrinterDataA / SetPrinterDataA / DeletePrinterDataA / EnumPrinterDataA: the sizes, the
// errors and where the values live.
#include <cstring>
#include <set>

#include "spooler_fixture.h"

using namespace spoolertest;

namespace {

class PrinterDataTest : public SpoolerTest {
protected:
    void SetUp() override
    {
        InstallDriver(kDriver);
        ASSERT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
        printer_ = std::make_unique<OpenedPrinter>("Office");
        ASSERT_NE(printer_->get(), nullptr);
    }

    DWORD SetText(const char *name, const std::string &text)
    {
        std::string writableName = name, writableText = text;
        return SetPrinterDataA(printer_->get(), writableName.data(), REG_SZ,
                               reinterpret_cast<LPBYTE>(writableText.data()), static_cast<DWORD>(text.size() + 1));
    }

    HANDLE handle() const { return printer_->get(); }

    std::unique_ptr<OpenedPrinter> printer_;
};

TEST_F(PrinterDataTest, ReadsFollowTheRequiredSizeContract)
{
    ASSERT_EQ(SetText("SNMP Community", "private"), static_cast<DWORD>(ERROR_SUCCESS));
    char name[] = "SNMP Community";
    const DWORD size = 8;  // "private" and its zero
    const struct {
        const char *what;
        DWORD bufferSize;
        DWORD result;
    } cases[] = {
        {"size question", 0, ERROR_MORE_DATA},
        {"one byte short", size - 1, ERROR_MORE_DATA},
        {"exact size", size, ERROR_SUCCESS},
        {"a 259-byte buffer", 259, ERROR_SUCCESS},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        BYTE buffer[260];
        std::memset(buffer, 0, sizeof buffer);
        DWORD type = 0, needed = 0;
        EXPECT_EQ(GetPrinterDataA(handle(), name, &type, c.bufferSize ? buffer : nullptr, c.bufferSize, &needed),
                  c.result);
        EXPECT_EQ(needed, size);
        EXPECT_EQ(type, DWORD{REG_SZ});
        EXPECT_STREQ(reinterpret_cast<char *>(buffer), c.result == ERROR_SUCCESS ? "private" : "");
    }
}

TEST_F(PrinterDataTest, AValueLongerThanTheBufferIsNotCutShort)
{
    ASSERT_EQ(SetText("SNMPIPAddress", std::string(300, 'a')), static_cast<DWORD>(ERROR_SUCCESS));
    char name[] = "SNMPIPAddress";
    char buffer[260] = {};
    DWORD needed = 0;
    EXPECT_EQ(GetPrinterDataA(handle(), name, nullptr, reinterpret_cast<LPBYTE>(buffer), 259, &needed),
              static_cast<DWORD>(ERROR_MORE_DATA));
    EXPECT_EQ(needed, 301u);
    EXPECT_EQ(buffer[0], '\0');
}

TEST_F(PrinterDataTest, MissingValuesAndBadArgumentsGiveDefinedErrors)
{
    char missing[] = "Discovered IP";
    BYTE buffer[16];
    DWORD needed = 0;
    EXPECT_EQ(GetPrinterDataA(handle(), missing, nullptr, buffer, sizeof buffer, &needed),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(DeletePrinterDataA(handle(), missing), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetPrinterDataA(handle(), nullptr, nullptr, buffer, sizeof buffer, &needed),
              static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetPrinterDataA(handle(), missing, nullptr, buffer, sizeof buffer, nullptr),
              static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(SetPrinterDataA(handle(), missing, REG_SZ, nullptr, 4), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetPrinterDataA(reinterpret_cast<HANDLE>(0x77), missing, nullptr, buffer, sizeof buffer, &needed),
              static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(PrinterDataTest, ValuesKeepTheirTypeAndLiveUnderThePrintersDriverDataKey)
{
    char name[] = "Retries";
    DWORD three = 3;
    ASSERT_EQ(SetPrinterDataA(handle(), name, REG_DWORD, reinterpret_cast<LPBYTE>(&three), sizeof three),
              static_cast<DWORD>(ERROR_SUCCESS));
    DWORD type = 0, value = 0, needed = 0;
    ASSERT_EQ(GetPrinterDataA(handle(), name, &type, reinterpret_cast<LPBYTE>(&value), sizeof value, &needed),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(type, DWORD{REG_DWORD});
    EXPECT_EQ(value, 3u);

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                            "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\Office\\PrinterDriverData", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
    value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "retries", nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size), ERROR_SUCCESS);
    EXPECT_EQ(value, 3u);
    RegCloseKey(key);

    EXPECT_EQ(DeletePrinterDataA(handle(), name), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(GetPrinterDataA(handle(), name, &type, reinterpret_cast<LPBYTE>(&value), sizeof value, &needed),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(PrinterDataTest, EnumerationReportsSizesThenEveryValueThenTheEnd)
{
    ASSERT_EQ(SetText("Original Port", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(SetText("Discovered IP", "10.0.0.8"), static_cast<DWORD>(ERROR_SUCCESS));
    std::set<std::string> names;
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = 0, dataSize = 0, type = 0;
        const DWORD status = EnumPrinterDataA(handle(), index, nullptr, 0, &nameSize, &type, nullptr, 0, &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        ASSERT_EQ(status, static_cast<DWORD>(ERROR_MORE_DATA));
        std::vector<char> name(nameSize);
        std::vector<BYTE> data(dataSize);
        ASSERT_EQ(EnumPrinterDataA(handle(), index, name.data(), nameSize, &nameSize, &type, data.data(), dataSize,
                                   &dataSize),
                  static_cast<DWORD>(ERROR_SUCCESS));
        names.emplace(name.data());
    }
    EXPECT_EQ(names, (std::set<std::string>{"Discovered IP", "Original Port"}));
}

TEST_F(PrinterDataTest, ADeletedPrinterTakesItsDataWithIt)
{
    ASSERT_EQ(SetText("SNMP Community", "private"), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_TRUE(DeletePrinter(handle()));
    EXPECT_NE(SetText("SNMP Community", "again"), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
    OpenedPrinter again("Office");
    char name[] = "SNMP Community";
    DWORD needed = 0;
    EXPECT_EQ(GetPrinterDataA(again.get(), name, nullptr, nullptr, 0, &needed),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
