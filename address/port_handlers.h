// The readers that turn one kind of port into an address. Every one writes at most 260 bytes
// (a zero-terminated text) into address and returns a resolver result code.
#pragma once

#include "mfpwin.h"
#include "address/resolve_trace.h"

namespace mfpaddress {

inline constexpr int kResolved = 0;
inline constexpr int kNoRecordOrKind = 10;
inline constexpr int kNoAddress = 50;

// "\\server\queue": the numeric address of server (empty when the name does not resolve).
void ReadShareServer(const char *portName, char *address);

// A local standard TCP/IP port: its key's "IPAddress", else its "HostName" looked up, else the
// discovery cache. 0 found, 50 not found.
int ReadTcpIpPortAddress(const char *portName, char *address, int brandCode, ResolveTrace *trace);

// The host of a URL ("http://host:631/ipp", "http://[fe80::1]:80/",
// "http://fe80--1.ipv6-literal.net/"), looked up; the address is empty when the lookup fails.
void ReadUrlHost(const char *url, char *address);

// "host:port" or "[literal]:port": the host, looked up (empty when it does not resolve).
void ReadColonHost(const char *portName, char *address);

// The WSD device whose "FriendlyName" is part of the printer's "DefName": the host of its
// "LocationInformation". 0 found, 10 no device registry or no matching device.
int ReadWsdDeviceAddress(HANDLE printer, char *address, ResolveTrace *trace);

// A connection's TCP/IP port: the port name (without "IP_"), or its key's "IP_Address".
int ReadNetworkTcpIpPort(const char *portName, char *address, int brandCode, ResolveTrace *trace);

}  // namespace mfpaddress
