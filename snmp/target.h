// Where and how a request is sent: the agent's address and port, SNMP version, timeout,
// retries and (CTarget) the community.
//
// Defaults where nothing is set: version 1, community "public", 1 retry, timeout 100
// (hundredths of a second), agent port 161. The environment variable MFP_SNMP_PORT, read when a
// target is built, replaces the default port (tests and demonstrations run agents on
// unprivileged ports).
#pragma once

#include "snmp/address.h"
#include "snmp/octet_str.h"
#include "snmp/snmp_export.h"
#include "snmp/snmp_status.h"

class MFP_SNMP_API SnmpTarget {
public:
    static constexpr unsigned long kDefaultTimeout = 100;
    static constexpr int kDefaultRetries = 1;
    static constexpr unsigned short kDefaultPort = 161;

    virtual ~SnmpTarget() = default;

    // IP and IPX addresses are accepted; false (and the address unchanged) for anything else.
    bool set_address(const Address &address);
    // Copies the address into address; false when none is set (address becomes invalid).
    bool get_address(GenAddress &address) const;
    const GenAddress &get_address() const { return address_; }
    bool valid() const { return address_.valid(); }

    // Hundredths of a second per attempt.
    void set_timeout(unsigned long hundredths) { timeout_ = hundredths; }
    unsigned long get_timeout() const { return timeout_; }
    void set_retry(int retries) { retries_ = retries < 0 ? 0 : retries; }
    int get_retry() const { return retries_; }
    void set_version(snmp_version version) { version_ = version; }
    snmp_version get_version() const { return version_; }
    // The agent's UDP port.
    void SetPort(unsigned short port) { port_ = port; }
    unsigned short Port() const { return port_; }

protected:
    SnmpTarget();

private:
    GenAddress address_;
    unsigned long timeout_ = kDefaultTimeout;
    int retries_ = kDefaultRetries;
    snmp_version version_ = version1;
    unsigned short port_ = kDefaultPort;
};

// A community-based target.
class MFP_SNMP_API CTarget : public SnmpTarget {
public:
    CTarget();
    explicit CTarget(const Address &address);

    void set_readcommunity(const OctetStr &community) { readCommunity_ = community; }
    void get_readcommunity(OctetStr &community) const { community = readCommunity_; }
    const OctetStr &get_readcommunity() const { return readCommunity_; }

private:
    OctetStr readCommunity_{"public"};
};
