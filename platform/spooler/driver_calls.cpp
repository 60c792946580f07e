// Printer drivers: the driver records of a printer, installing drivers, the driver directory.
#include <cstring>
#include <filesystem>
#include <system_error>

#include "driver_record.h"
#include "mfpwin/spooler.h"
#include "printer_handles.h"
#include "printer_record.h"
#include "spooler_error.h"
#include "string_packer.h"

using namespace mfpwin::spooler;

namespace {

struct DriverView {
    const DriverEnvironment *environment;
    const DriverRecord *record;
};

void FillInfo2(const DriverView &view, DRIVER_INFO_2A &info, StringPacker &packer)
{
    const auto &[environment, record] = view;
    info.cVersion = record->version;
    info.pName = packer.Put(record->name);
    info.pEnvironment = packer.Put(environment->name);
    info.pDriverPath = packer.Put(DriverFilePath(*environment, record->driverFile));
    info.pDataFile = packer.Put(DriverFilePath(*environment, record->dataFile));
    info.pConfigFile = packer.Put(DriverFilePath(*environment, record->configFile));
}

void FillInfo3(const DriverView &view, DRIVER_INFO_3A &info, StringPacker &packer)
{
    const auto &[environment, record] = view;
    DRIVER_INFO_2A level2{};
    FillInfo2(view, level2, packer);
    info.cVersion = level2.cVersion;
    info.pName = level2.pName;
    info.pEnvironment = level2.pEnvironment;
    info.pDriverPath = level2.pDriverPath;
    info.pDataFile = level2.pDataFile;
    info.pConfigFile = level2.pConfigFile;
    info.pHelpFile = packer.Put(DriverFilePath(*environment, record->helpFile));
    std::vector<std::string> dependentPaths;
    for (const auto &file : record->dependentFiles)
        dependentPaths.push_back(DriverFilePath(*environment, file));
    info.pDependentFiles = packer.PutList(dependentPaths);
    info.pMonitorName = packer.Put(record->monitor);
    info.pDefaultDataType = packer.Put(record->datatype);
}

std::string Text(LPCSTR text) { return text ? std::string(text) : std::string(); }

// A file given with a directory is copied into the driver directory; the record keeps its name.
DWORD InstallDriverFile(const DriverEnvironment &environment, const std::string &given, std::string &stored)
{
    stored = given;
    const size_t separator = given.find_last_of("/\\");
    if (separator == std::string::npos)
        return ERROR_SUCCESS;
    stored = given.substr(separator + 1);
    if (stored.empty())
        return ERROR_INVALID_PARAMETER;
    const std::filesystem::path source(given);
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error))
        return ERROR_FILE_NOT_FOUND;
    const std::filesystem::path directory(DriverDirectory(environment));
    std::filesystem::create_directories(directory, error);
    const std::filesystem::path target = directory / stored;
    if (std::filesystem::equivalent(source, target, error))
        return ERROR_SUCCESS;
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing, error);
    return error ? ERROR_CANTWRITE : ERROR_SUCCESS;
}

DWORD RecordFromInfo3(const DriverEnvironment &environment, const DRIVER_INFO_3A &info, DriverRecord &record)
{
    record.name = Text(info.pName);
    record.version = info.cVersion;
    record.monitor = Text(info.pMonitorName);
    record.datatype = Text(info.pDefaultDataType);
    const std::pair<LPCSTR, std::string *> files[] = {
        {info.pDriverPath, &record.driverFile},
        {info.pDataFile, &record.dataFile},
        {info.pConfigFile, &record.configFile},
        {info.pHelpFile, &record.helpFile},
    };
    for (const auto &[given, stored] : files)
        if (DWORD error = InstallDriverFile(environment, Text(given), *stored); error != ERROR_SUCCESS)
            return error;
    for (LPCSTR name = info.pDependentFiles; name && *name; name += std::strlen(name) + 1) {
        std::string stored;
        if (DWORD error = InstallDriverFile(environment, name, stored); error != ERROR_SUCCESS)
            return error;
        record.dependentFiles.push_back(stored);
    }
    return ERROR_SUCCESS;
}

}  // namespace

MFPAPI BOOL WINAPI GetPrinterDriverA(HANDLE hPrinter, LPSTR pEnvironment, DWORD Level, LPBYTE pDriverInfo,
                                     DWORD cbBuf, LPDWORD pcbNeeded)
{
    const auto location = LookUpPrinterHandle(hPrinter);
    if (!location)
        return FALSE;
    if (pcbNeeded == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    if (Level != 2 && Level != 3)
        return FailWith(ERROR_INVALID_LEVEL);
    const auto environment = FindEnvironment(pEnvironment);
    if (!environment)
        return FailWith(ERROR_INVALID_ENVIRONMENT);
    PrinterRecord printer;
    if (DWORD error = ReadPrinterRecord(*location, printer); error != ERROR_SUCCESS)
        return FailWith(error);
    DriverRecord driver;
    if (DWORD error = ReadDriverRecord(*environment, printer.driverName, driver); error != ERROR_SUCCESS)
        return FailWith(error);
    const std::vector<DriverView> views{{&*environment, &driver}};
    const DWORD error = Level == 2 ? PackRecords<DRIVER_INFO_2A>(views, FillInfo2, pDriverInfo, cbBuf, *pcbNeeded)
                                   : PackRecords<DRIVER_INFO_3A>(views, FillInfo3, pDriverInfo, cbBuf, *pcbNeeded);
    return SucceedOrFail(error);
}

MFPAPI BOOL WINAPI AddPrinterDriverA(LPSTR pName, DWORD Level, LPBYTE pDriverInfo)
{
    if (pName != nullptr && *pName != '\0')
        return FailWith(ERROR_INVALID_NAME);
    if (Level != 3)
        return FailWith(ERROR_INVALID_LEVEL);
    if (pDriverInfo == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    const auto &info = *reinterpret_cast<const DRIVER_INFO_3A *>(pDriverInfo);
    const auto environment = FindEnvironment(info.pEnvironment);
    if (!environment)
        return FailWith(ERROR_INVALID_ENVIRONMENT);
    const std::string name = Text(info.pName);
    if (name.empty() || name.size() > MFP_REG_MAX_KEY_NAME || name.find('\\') != std::string::npos)
        return FailWith(ERROR_INVALID_PARAMETER);
    if (info.pDriverPath == nullptr || *info.pDriverPath == '\0')
        return FailWith(ERROR_INVALID_PARAMETER);
    DriverRecord record;
    if (DWORD error = RecordFromInfo3(*environment, info, record); error != ERROR_SUCCESS)
        return FailWith(error);
    return SucceedOrFail(WriteDriverRecord(*environment, record));
}

MFPAPI BOOL WINAPI GetPrinterDriverDirectoryA(LPSTR pName, LPSTR pEnvironment, DWORD Level, LPBYTE pDriverDirectory,
                                              DWORD cbBuf, LPDWORD pcbNeeded)
{
    if (pName != nullptr && *pName != '\0')
        return FailWith(ERROR_INVALID_NAME);
    if (Level != 1)
        return FailWith(ERROR_INVALID_LEVEL);
    if (pcbNeeded == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    const auto environment = FindEnvironment(pEnvironment);
    if (!environment)
        return FailWith(ERROR_INVALID_ENVIRONMENT);
    const std::string directory = DriverDirectory(*environment);
    *pcbNeeded = static_cast<DWORD>(directory.size() + 1);
    if (pDriverDirectory == nullptr || cbBuf < *pcbNeeded)
        return FailWith(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(pDriverDirectory, directory.c_str(), *pcbNeeded);
    return TRUE;
}
