#include "printer_setup.h"

#include <gtest/gtest.h>

#include "address/discovery_cache.h"
#include "address/printer_record.h"
#include "address/resolve_device_address.h"
#include "address/tcpip_port_key.h"

namespace spinetest {

static const std::string kPrinters = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\";

static HKEY CreateKey(HKEY root, const std::string &path)
{
    HKEY key = nullptr;
    const LSTATUS status =
        RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    EXPECT_EQ(status, ERROR_SUCCESS) << path;
    return key;
}

void SetText(HKEY root, const std::string &path, const char *name, const std::string &value)
{
    HKEY key = CreateKey(root, path);
    EXPECT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void SetDword(HKEY root, const std::string &path, const char *name, DWORD value)
{
    HKEY key = CreateKey(root, path);
    EXPECT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void AddLocalPrinter(const std::string &name, const std::string &port, DWORD attributes)
{
    SetText(HKEY_LOCAL_MACHINE, kPrinters + name, "Name", name);
    SetText(HKEY_LOCAL_MACHINE, kPrinters + name, "Port", port);
    SetText(HKEY_LOCAL_MACHINE, kPrinters + name, "Printer Driver", "VARNAK Lumora PCL");
    SetDword(HKEY_LOCAL_MACHINE, kPrinters + name, "Attributes", attributes);
}

std::string AddConnection(const std::string &server, const std::string &share, const std::string &port)
{
    const std::string key = "Printers\\Connections\\,," + server + "," + share;
    SetText(HKEY_CURRENT_USER, key, "Server", "\\\\" + server);
    SetText(HKEY_CURRENT_USER, key, "Port", port);
    SetText(HKEY_CURRENT_USER, key, "Printer Driver", "VARNAK Lumora PCL");
    SetDword(HKEY_CURRENT_USER, key, "Attributes", kNetwork);
    return "\\\\" + server + "\\" + share;
}

static void SetPrinterData(const std::string &printer, const char *valueName, DWORD type, const BYTE *data,
                           DWORD size)
{
    HANDLE handle = nullptr;
    ASSERT_TRUE(OpenPrinterA(const_cast<char *>(printer.c_str()), &handle, nullptr)) << printer;
    EXPECT_EQ(SetPrinterDataA(handle, const_cast<char *>(valueName), type, const_cast<BYTE *>(data), size),
              static_cast<DWORD>(ERROR_SUCCESS));
    ClosePrinter(handle);
}

void SetPrinterText(const std::string &printer, const char *valueName, const std::string &text)
{
    SetPrinterData(printer, valueName, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

void SetPrinterDword(const std::string &printer, const char *valueName, DWORD value)
{
    SetPrinterData(printer, valueName, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
}

bool HasPrinterData(const std::string &printer, const char *valueName)
{
    HANDLE handle = nullptr;
    if (!OpenPrinterA(const_cast<char *>(printer.c_str()), &handle, nullptr))
        return false;
    DWORD type = 0;
    DWORD needed = 0;
    const DWORD status = GetPrinterDataA(handle, const_cast<char *>(valueName), &type, nullptr, 0, &needed);
    ClosePrinter(handle);
    return status != ERROR_FILE_NOT_FOUND;
}

void AddTcpIpPort(const std::string &port, const std::string &ipAddress, const std::string &hostName)
{
    const std::string path = std::string(mfpaddress::kLocalTcpIpPorts) + port;
    SetText(HKEY_LOCAL_MACHINE, path, "Protocol", "RAW");
    if (!ipAddress.empty())
        SetText(HKEY_LOCAL_MACHINE, path, "IPAddress", ipAddress);
    if (!hostName.empty())
        SetText(HKEY_LOCAL_MACHINE, path, "HostName", hostName);
}

void AddWsdDevice(const std::string &id, const std::string &friendlyName, const std::string &location)
{
    const std::string path = "SYSTEM\\CurrentControlSet\\Enum\\IPBusEnumRoot\\UMB\\" + id;
    SetText(HKEY_LOCAL_MACHINE, path, "FriendlyName", friendlyName);
    SetText(HKEY_LOCAL_MACHINE, path, "LocationInformation", location);
}

void AddDiscoveryEntry(int brandCode, const std::string &port, const std::string &address)
{
    SetText(HKEY_CURRENT_USER, mfpaddress::DiscoveryKeyPath(brandCode), port.c_str(), address);
}

Resolution Resolve(const std::string &printer, int brandCode, int familyCheck, int *latch, int fresh)
{
    Resolution resolution;
    HANDLE handle = nullptr;
    mfpaddress::PrinterRecord record = mfpaddress::GetPrinterInfo2(printer.c_str(), &handle);
    EXPECT_TRUE(record) << printer;
    char address[260] = {};
    resolution.result =
        mfpaddress::ResolveDeviceAddress(record.get(), address, brandCode, handle, familyCheck, latch, fresh);
    resolution.address = address;
    record.reset();
    mfpaddress::CloseOpenedPrinter(handle);
    return resolution;
}

}  // namespace spinetest
