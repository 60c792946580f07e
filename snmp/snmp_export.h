// Visibility of the SNMP class layer: the build hides every symbol by default, so each public
// class of libmfpsnmp.so is marked for export here.
#pragma once

#define MFP_SNMP_API __attribute__((visibility("default")))
