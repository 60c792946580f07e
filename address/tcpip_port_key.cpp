#include "address/tcpip_port_key.h"

#include "mfpwin.h"

namespace mfpaddress {

// The first subkey of "Cluster\Resources", when the machine is a cluster node.
static bool FirstClusterResource(std::string &name)
{
    HKEY resources = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Cluster\\Resources", 0, KEY_READ, &resources) != ERROR_SUCCESS)
        return false;
    char buffer[256] = {};
    DWORD length = sizeof buffer;
    const bool found =
        RegEnumKeyExA(resources, 0, buffer, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(resources);
    if (found)
        name.assign(buffer, length);
    return found;
}

bool TcpIpPortKeyPath(const char *portName, std::string &path)
{
    std::string resource;
    if (FirstClusterResource(resource))
        path = "Cluster\\Resources\\" + resource + "\\Parameters\\Monitors\\Standard TCP/IP Port\\Ports\\";
    else
        path = kLocalTcpIpPorts;
    path += portName ? portName : "";
    return path.size() <= kMaxKeyPath;
}

bool TcpIpPortKeyExists(const char *portName)
{
    std::string path;
    // An empty name would open the Ports key itself.
    if (portName == nullptr || *portName == '\0' || !TcpIpPortKeyPath(portName, path))
        return false;
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, path.c_str(), &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

}  // namespace mfpaddress
