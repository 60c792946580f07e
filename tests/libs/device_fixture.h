// A printer "Office" on a standard TCP/IP port at 127.0.0.1 in a fresh emulated root, Mirvale
// loaded, and helpers to describe the simulated device and read which objects it was asked.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devsim_fixture.h"
#include "mirvale_library.h"
#include "temp_root.h"

namespace libstest {

inline constexpr const char *kSysObjectId = "1.3.6.1.2.1.1.2.0";

// One .snmprec line of a private object: "<prefix>.<suffix>|<type>|<value>".
std::string VendorLine(const std::string &suffix, const std::string &type, const std::string &value);
// The sysObjectID line naming the family "<prefix>.<family>".
std::string SysObjectIdLine(const std::string &family);

// A devsim fault line: requests for the private object are never answered.
std::string DropLine(const std::string &suffix);

// The objects of every request in the log, in order: "sysObjectID" or the suffix after the
// private prefix ("2.3.50.1.2.4.1.11.1.1").
std::vector<std::string> AskedObjects(const mfptest::DevSim &device);

class DeviceTest : public ::testing::Test {
protected:
    DeviceTest();
    ~DeviceTest() override;

    mfptest::TempRoot root_;
    Mirvale mirvale_;
};

}  // namespace libstest
