#include "device_fixture.h"

#include <cstdlib>
#include <sstream>

#include "address/vendor_oid.h"
#include "printer_setup.h"

namespace libstest {

std::string VendorLine(const std::string &suffix, const std::string &type, const std::string &value)
{
    return mfpaddress::VendorOid(suffix) + "|" + type + "|" + value + "\n";
}

std::string SysObjectIdLine(const std::string &family)
{
    return std::string(kSysObjectId) + "|6|" + mfpaddress::VendorOid(family) + "\n";
}

std::string DropLine(const std::string &suffix) { return mfpaddress::VendorOid(suffix) + " drop\n"; }

std::vector<std::string> AskedObjects(const mfptest::DevSim &device)
{
    const std::string prefix = mfpaddress::VendorOid("");
    std::vector<std::string> objects;
    for (const std::string &line : device.RequestLog()) {
        std::istringstream words(line);
        std::string version, community, operation, oid;
        words >> version >> community >> operation >> oid;
        if (oid == kSysObjectId)
            objects.push_back("sysObjectID");
        else if (oid.rfind(prefix, 0) == 0)
            objects.push_back(oid.substr(prefix.size()));
        else
            objects.push_back(oid);
    }
    return objects;
}

DeviceTest::DeviceTest()
{
    spinetest::AddLocalPrinter("Office", "IP_127.0.0.1");
    spinetest::AddTcpIpPort("IP_127.0.0.1", "127.0.0.1");
}

DeviceTest::~DeviceTest() { unsetenv("MFP_WINVER"); }

}  // namespace libstest
