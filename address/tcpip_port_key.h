// Where the standard TCP/IP port monitor keeps a port's settings (a cluster's shared monitor
// key when the machine is a cluster node, else the local monitor key).
#pragma once

#include <string>

namespace mfpaddress {

inline constexpr const char *kLocalTcpIpPorts =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports\\";

// Longest key path the resolver forms (characters).
inline constexpr size_t kMaxKeyPath = 1023;

// The key path of the port below HKEY_LOCAL_MACHINE. False when the path would exceed
// kMaxKeyPath characters: a cut path could name another port's key.
bool TcpIpPortKeyPath(const char *portName, std::string &path);

// True when the TCP/IP port key of this port name exists.
bool TcpIpPortKeyExists(const char *portName);

}  // namespace mfpaddress
