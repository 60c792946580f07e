// Printer drivers as the spooler keeps them: one registry key per driver and environment, the
// files in the environment's driver directory below the emulated root.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mfpwin/types.h"

namespace mfpwin::spooler {

inline constexpr const char *kDefaultEnvironment = "Windows x64";

struct DriverEnvironment {
    std::string name;       // "Windows x64"
    std::string directory;  // below spool\drivers: "x64"
};

// The environment named by the caller (null or empty: the default); nothing when unknown.
std::optional<DriverEnvironment> FindEnvironment(const char *name);

struct DriverRecord {
    std::string name;
    DWORD version = 3;
    std::string driverFile, dataFile, configFile, helpFile, monitor, datatype;
    std::vector<std::string> dependentFiles;
};

// "SYSTEM\...\Print\Environments\<environment>\Drivers\Version-3\<driver>" below HKEY_LOCAL_MACHINE.
std::string DriverKeyPath(const DriverEnvironment &environment, const std::string &driver);
// <root>/Windows/System32/spool/drivers/<directory>/3
std::string DriverDirectory(const DriverEnvironment &environment);
// A file name of the record as a full path: in the driver directory unless it is a path already.
std::string DriverFilePath(const DriverEnvironment &environment, const std::string &file);

// ERROR_UNKNOWN_PRINTER_DRIVER when the driver is not installed, ERROR_INVALID_DATA when a value
// has the wrong type.
DWORD ReadDriverRecord(const DriverEnvironment &environment, const std::string &driver, DriverRecord &record);
DWORD WriteDriverRecord(const DriverEnvironment &environment, const DriverRecord &record);

}  // namespace mfpwin::spooler
