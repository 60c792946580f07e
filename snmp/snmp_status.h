// Result codes of the SNMP class layer and the syntax codes of variable bindings.
//
// A request returns 0 on success, a negative SNMP_CLASS_* code when the layer or the transport
// failed or the agent answered with an exception, or the agent's positive error status
// (SNMP_ERROR_*) when the response carried one.
#pragma once

// Layer and transport results.
constexpr int SNMP_CLASS_SUCCESS = 0;
constexpr int SNMP_CLASS_ERROR = -1;              // unspecified failure
constexpr int SNMP_CLASS_RESOURCE_UNAVAIL = -2;   // no memory, no socket
constexpr int SNMP_CLASS_INTERNAL_ERROR = -3;     // the SNMP engine failed unexpectedly
constexpr int SNMP_CLASS_UNSUPPORTED = -4;        // transport not available (IPX)
constexpr int SNMP_CLASS_TIMEOUT = -5;            // no answer within timeout and retries
constexpr int SNMP_CLASS_SESSION_UNUSABLE = -6;   // the session could not be opened
constexpr int SNMP_CLASS_TL_FAILED = -7;          // the request could not be sent
constexpr int SNMP_CLASS_INVALID_PDU = -8;        // the request does not hold exactly one valid binding
constexpr int SNMP_CLASS_INVALID_TARGET = -9;     // the target has no usable address
constexpr int SNMP_CLASS_INVALID = -10;           // a value cannot be read in the requested form
constexpr int SNMP_CLASS_BAD_RESPONSE = -11;      // the answer does not fit the request (wrong binding)

// SNMPv2c exceptions in the answered binding. The binding is still written back into the
// request, with the exception as its syntax; its value reads as empty text.
constexpr int SNMP_CLASS_NO_SUCH_OBJECT = -20;
constexpr int SNMP_CLASS_NO_SUCH_INSTANCE = -21;
constexpr int SNMP_CLASS_END_OF_MIB_VIEW = -22;

// Error statuses an agent reports in its response; returned as they are.
constexpr int SNMP_ERROR_TOO_BIG = 1;
constexpr int SNMP_ERROR_NO_SUCH_NAME = 2;
constexpr int SNMP_ERROR_BAD_VALUE = 3;
constexpr int SNMP_ERROR_READ_ONLY = 4;
constexpr int SNMP_ERROR_GENERAL_VB_ERR = 5;
constexpr int SNMP_ERROR_NO_ACCESS = 6;
constexpr int SNMP_ERROR_MAX = 18;                // highest error status an agent may send

// Syntax of a variable binding's value (the ASN.1 tags on the wire).
constexpr unsigned char sNMP_SYNTAX_INT = 0x02;
constexpr unsigned char sNMP_SYNTAX_OCTETS = 0x04;
constexpr unsigned char sNMP_SYNTAX_NULL = 0x05;
constexpr unsigned char sNMP_SYNTAX_OID = 0x06;
constexpr unsigned char sNMP_SYNTAX_IPADDR = 0x40;
constexpr unsigned char sNMP_SYNTAX_CNTR32 = 0x41;
constexpr unsigned char sNMP_SYNTAX_GAUGE32 = 0x42;
constexpr unsigned char sNMP_SYNTAX_TIMETICKS = 0x43;
constexpr unsigned char sNMP_SYNTAX_OPAQUE = 0x44;
constexpr unsigned char sNMP_SYNTAX_CNTR64 = 0x46;
constexpr unsigned char sNMP_SYNTAX_NOSUCHOBJECT = 0x80;
constexpr unsigned char sNMP_SYNTAX_NOSUCHINSTANCE = 0x81;
constexpr unsigned char sNMP_SYNTAX_ENDOFMIBVIEW = 0x82;

// SNMP versions a target can speak.
enum snmp_version { version1 = 0, version2c = 1 };
