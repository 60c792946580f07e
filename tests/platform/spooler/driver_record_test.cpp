// GetPrinterDriverA levels 2 and 3 and AddPrinterDriverA: full paths in the driver directory,
// the dependent-file list, the size protocol, and the errors.
#include <cstring>
#include <filesystem>
#include <fstream>

#include "spooler_fixture.h"

using namespace spoolertest;

namespace {

class DriverRecordTest : public SpoolerTest {
protected:
    void SetUp() override
    {
        InstallDriver(kDriver, {"QV1Disc.dll", "Fennor.dll"});
        ASSERT_EQ(AddLocalPrinter("Office", "IP_10.0.0.5"), static_cast<DWORD>(ERROR_SUCCESS));
        driverDirectory_ = (root_.Path() / "Windows/System32/spool/drivers/x64/3").string();
    }

    std::vector<BYTE> Read(HANDLE printer, DWORD level)
    {
        return ReadPacked([&](LPBYTE b, DWORD s, LPDWORD n) { return GetPrinterDriverA(printer, nullptr, level, b, s, n); });
    }

    std::string InDriverDirectory(const std::string &file) const { return driverDirectory_ + "/" + file; }

    std::string driverDirectory_;
};

std::vector<std::string> SplitList(LPCSTR list)
{
    std::vector<std::string> names;
    for (; list && *list; list += std::strlen(list) + 1)
        names.emplace_back(list);
    return names;
}

TEST_F(DriverRecordTest, Level3GivesFullPathsInsideOnePackedBuffer)
{
    OpenedPrinter printer("Office");
    const auto buffer = Read(printer.get(), 3);
    ASSERT_GE(buffer.size(), sizeof(DRIVER_INFO_3A));
    const auto &info = *reinterpret_cast<const DRIVER_INFO_3A *>(buffer.data());
    EXPECT_EQ(info.cVersion, 3u);
    EXPECT_EQ(Text(info.pName), kDriver);
    EXPECT_EQ(Text(info.pEnvironment), "Windows x64");
    EXPECT_EQ(Text(info.pDriverPath), InDriverDirectory("LUMDRV.DLL"));
    EXPECT_EQ(Text(info.pDataFile), InDriverDirectory("LUMORA.GPD"));
    EXPECT_EQ(Text(info.pConfigFile), InDriverDirectory("LUMUI.DLL"));
    EXPECT_EQ(Text(info.pHelpFile), InDriverDirectory("LUMORA.HLP"));
    EXPECT_EQ(Text(info.pDefaultDataType), "RAW");
    EXPECT_EQ(SplitList(info.pDependentFiles),
              (std::vector<std::string>{InDriverDirectory("QV1Disc.dll"), InDriverDirectory("Fennor.dll")}));
    const LPCSTR texts[] = {info.pName,     info.pEnvironment, info.pDriverPath,     info.pDataFile,
                            info.pConfigFile, info.pHelpFile,  info.pDependentFiles, info.pDefaultDataType};
    for (LPCSTR text : texts) {
        EXPECT_GE(reinterpret_cast<const BYTE *>(text), buffer.data() + sizeof info);
        EXPECT_LT(reinterpret_cast<const BYTE *>(text), buffer.data() + buffer.size());
    }
}

TEST_F(DriverRecordTest, Level2IsTheHeadOfLevel3AndBothRefuseAShortBuffer)
{
    OpenedPrinter printer("Office");
    const auto level2 = Read(printer.get(), 2);
    const auto &info = *reinterpret_cast<const DRIVER_INFO_2A *>(level2.data());
    EXPECT_EQ(Text(info.pConfigFile), InDriverDirectory("LUMUI.DLL"));
    for (const DWORD level : {2u, 3u}) {
        DWORD needed = 0;
        EXPECT_FALSE(GetPrinterDriverA(printer.get(), nullptr, level, nullptr, 0, &needed));
        std::vector<BYTE> buffer(needed);
        DWORD again = 0;
        EXPECT_FALSE(GetPrinterDriverA(printer.get(), nullptr, level, buffer.data(), needed - 1, &again));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        EXPECT_EQ(again, needed);
    }
}

TEST_F(DriverRecordTest, ADriverWithoutDependentFilesGivesAnEmptyList)
{
    InstallDriver("Plain");
    ASSERT_EQ(AddLocalPrinter("Plain printer", "LPT1:", PRINTER_ATTRIBUTE_LOCAL, "Plain"),
              static_cast<DWORD>(ERROR_SUCCESS));
    OpenedPrinter printer("Plain printer");
    const auto buffer = Read(printer.get(), 3);
    const auto &info = *reinterpret_cast<const DRIVER_INFO_3A *>(buffer.data());
    ASSERT_NE(info.pDependentFiles, nullptr);
    EXPECT_EQ(info.pDependentFiles[0], '\0');
}

TEST_F(DriverRecordTest, ErrorsAreDefined)
{
    OpenedPrinter printer("Office");
    DWORD needed = 0;
    char otherEnvironment[] = "Windows 4.0";
    const struct {
        const char *what;
        LPSTR environment;
        DWORD level;
        DWORD error;
    } cases[] = {
        {"level 1", nullptr, 1, ERROR_INVALID_LEVEL},
        {"unknown environment", otherEnvironment, 3, ERROR_INVALID_ENVIRONMENT},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(GetPrinterDriverA(printer.get(), c.environment, c.level, nullptr, 0, &needed)) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }

    // A printer whose driver record went away (an imported set-up without its driver).
    ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows "
                                                 "x64\\Drivers\\Version-3\\Lumora Driver"),
              ERROR_SUCCESS);
    EXPECT_FALSE(GetPrinterDriverA(printer.get(), nullptr, 3, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PRINTER_DRIVER));
}

TEST_F(DriverRecordTest, AddingADriverCopiesFilesGivenWithADirectory)
{
    const auto source = root_.Path() / "incoming";
    std::filesystem::create_directories(source);
    std::ofstream(source / "QV1Disc.dll") << "component";
    std::string name = "Copied", driverFile = "UNIDRV.DLL";
    std::string dependents = (source / "QV1Disc.dll").string() + std::string(1, '\0') + '\0';
    DRIVER_INFO_3A info{};
    info.cVersion = 3;
    info.pName = name.data();
    info.pDriverPath = driverFile.data();
    info.pDependentFiles = dependents.data();
    ASSERT_TRUE(AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&info))) << GetLastError();
    std::ifstream copied(InDriverDirectory("QV1Disc.dll"));
    std::string content;
    copied >> content;
    EXPECT_EQ(content, "component");

    std::string missing = (source / "absent.dll").string() + std::string(2, '\0');
    info.pDependentFiles = missing.data();
    EXPECT_FALSE(AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&info)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(DriverRecordTest, AddPrinterDriverRefusesIncompleteRecords)
{
    std::string name = "Broken", driverFile = "UNIDRV.DLL", empty, remote = "\\\\server";
    const struct {
        const char *what;
        LPSTR server;
        DWORD level;
        LPSTR name, driverFile;
        DWORD error;
    } cases[] = {
        {"no name", nullptr, 3, nullptr, driverFile.data(), ERROR_INVALID_PARAMETER},
        {"empty name", nullptr, 3, empty.data(), driverFile.data(), ERROR_INVALID_PARAMETER},
        {"no driver file", nullptr, 3, name.data(), nullptr, ERROR_INVALID_PARAMETER},
        {"level 2", nullptr, 2, name.data(), driverFile.data(), ERROR_INVALID_LEVEL},
        {"remote server", remote.data(), 3, name.data(), driverFile.data(), ERROR_INVALID_NAME},
    };
    for (const auto &c : cases) {
        DRIVER_INFO_3A info{};
        info.cVersion = 3;
        info.pName = c.name;
        info.pDriverPath = c.driverFile;
        SetLastError(0);
        EXPECT_FALSE(AddPrinterDriverA(c.server, c.level, reinterpret_cast<LPBYTE>(&info))) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
}

}  // namespace
