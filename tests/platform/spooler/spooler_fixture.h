// A fresh emulated root per test, with helpers that install drivers and printers through the
// spooler's own calls.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfpwin.h"
#include "temp_root.h"

namespace spoolertest {

// An open printer handle, closed at the end of the scope.
class OpenedPrinter {
public:
    explicit OpenedPrinter(const std::string &name)
    {
        std::string writable = name;
        if (!OpenPrinterA(writable.data(), &handle_, nullptr))
            handle_ = nullptr;
    }
    ~OpenedPrinter()
    {
        if (handle_)
            ClosePrinter(handle_);
    }
    OpenedPrinter(const OpenedPrinter &) = delete;
    OpenedPrinter &operator=(const OpenedPrinter &) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

class SpoolerTest : public ::testing::Test {
protected:
    static constexpr const char *kDriver = "Lumora Driver";

    void InstallDriver(const std::string &name, const std::vector<std::string> &dependents = {})
    {
        std::string writableName = name, driverFile = "LUMDRV.DLL", dataFile = "LUMORA.GPD",
                    configFile = "LUMUI.DLL", helpFile = "LUMORA.HLP", monitor = "", datatype = "RAW";
        std::string list;
        for (const auto &file : dependents)
            list.append(file).push_back('\0');
        list.push_back('\0');
        DRIVER_INFO_3A info{3,
                            writableName.data(),
                            nullptr,
                            driverFile.data(),
                            dataFile.data(),
                            configFile.data(),
                            helpFile.data(),
                            list.data(),
                            monitor.data(),
                            datatype.data()};
        ASSERT_TRUE(AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&info))) << GetLastError();
    }

    // Adds a local printer on the installed test driver; returns the error (0 on success).
    DWORD AddLocalPrinter(const std::string &name, const std::string &port, DWORD attributes = PRINTER_ATTRIBUTE_LOCAL,
                          const std::string &driver = kDriver)
    {
        std::string writableName = name, writablePort = port, writableDriver = driver, comment = "by the test";
        PRINTER_INFO_2A info{};
        info.pPrinterName = writableName.data();
        info.pPortName = writablePort.data();
        info.pDriverName = writableDriver.data();
        info.pComment = comment.data();
        info.Attributes = attributes;
        HANDLE handle = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
        if (!handle)
            return GetLastError();
        ClosePrinter(handle);
        return ERROR_SUCCESS;
    }

    // Adds a printer connection \\server\share with its port and driver.
    void AddConnection(const std::string &name, const std::string &port, DWORD attributes = 0)
    {
        std::string writableName = name, writablePort = port, driver = kDriver;
        ASSERT_TRUE(AddPrinterConnectionA(writableName.data())) << GetLastError();
        OpenedPrinter printer(name);
        ASSERT_NE(printer.get(), nullptr);
        PRINTER_INFO_2A info{};
        info.pPortName = writablePort.data();
        info.pDriverName = driver.data();
        info.Attributes = attributes;
        ASSERT_TRUE(SetPrinterA(printer.get(), 2, reinterpret_cast<LPBYTE>(&info), 0)) << GetLastError();
    }

    mfptest::TempRoot root_;
};

// Reads a packed record with the required-size protocol.
template <typename Call>
std::vector<BYTE> ReadPacked(Call call)
{
    DWORD needed = 0;
    EXPECT_FALSE(call(nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    std::vector<BYTE> buffer(needed);
    EXPECT_TRUE(call(buffer.data(), needed, &needed)) << GetLastError();
    return buffer;
}

inline std::string Text(LPCSTR text) { return text ? text : "<null>"; }

}  // namespace spoolertest
