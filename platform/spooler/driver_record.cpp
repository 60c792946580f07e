#include "driver_record.h"

#include <strings.h>

#include "mfpwin/registry.h"
#include "root.h"
#include "value_reader.h"

namespace mfpwin::spooler {

namespace {

constexpr const char *kEnvironmentsKey = "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments";

const DriverEnvironment kEnvironments[] = {
    {"Windows x64", "x64"},
    {"Windows NT x86", "w32x86"},
};

struct TextField {
    const char *valueName;
    std::string DriverRecord::*field;
};

constexpr TextField kTextFields[] = {
    {"Driver", &DriverRecord::driverFile},
    {"Data File", &DriverRecord::dataFile},
    {"Configuration File", &DriverRecord::configFile},
    {"Help File", &DriverRecord::helpFile},
    {"Monitor", &DriverRecord::monitor},
    {"Datatype", &DriverRecord::datatype},
};

}  // namespace

std::optional<DriverEnvironment> FindEnvironment(const char *name)
{
    if (name == nullptr || *name == '\0')
        name = kDefaultEnvironment;
    for (const auto &environment : kEnvironments)
        if (strcasecmp(environment.name.c_str(), name) == 0)
            return environment;
    return std::nullopt;
}

std::string DriverKeyPath(const DriverEnvironment &environment, const std::string &driver)
{
    return std::string(kEnvironmentsKey) + "\\" + environment.name + "\\Drivers\\Version-3\\" + driver;
}

std::string DriverDirectory(const DriverEnvironment &environment)
{
    return (RootDirectory() / "Windows" / "System32" / "spool" / "drivers" / environment.directory / "3").string();
}

std::string DriverFilePath(const DriverEnvironment &environment, const std::string &file)
{
    if (file.empty() || file.find_first_of("/\\") != std::string::npos)
        return file;
    return DriverDirectory(environment) + "/" + file;
}

DWORD ReadDriverRecord(const DriverEnvironment &environment, const std::string &driver, DriverRecord &record)
{
    RegKey key;
    if (driver.empty() || RegKey::Open(HKEY_LOCAL_MACHINE, DriverKeyPath(environment, driver), KEY_READ, key) !=
                              ERROR_SUCCESS)
        return ERROR_UNKNOWN_PRINTER_DRIVER;
    record = DriverRecord();
    record.name = driver;
    for (const auto &[valueName, field] : kTextFields)
        if (ReadText(key, valueName, record.*field) == ValueRead::WrongType)
            return ERROR_INVALID_DATA;
    if (ReadDword(key, "Version", record.version) == ValueRead::WrongType ||
        ReadMultiText(key, "Dependent Files", record.dependentFiles) == ValueRead::WrongType)
        return ERROR_INVALID_DATA;
    return ERROR_SUCCESS;
}

DWORD WriteDriverRecord(const DriverEnvironment &environment, const DriverRecord &record)
{
    RegKey key;
    if (LSTATUS status = RegKey::Create(HKEY_LOCAL_MACHINE, DriverKeyPath(environment, record.name), key);
        status != ERROR_SUCCESS)
        return status;
    for (const auto &[valueName, field] : kTextFields)
        if (LSTATUS status = key.SetText(valueName, record.*field); status != ERROR_SUCCESS)
            return status;
    if (LSTATUS status = key.SetDword("Version", record.version); status != ERROR_SUCCESS)
        return status;
    return key.SetMultiText("Dependent Files", record.dependentFiles);
}

}  // namespace mfpwin::spooler
