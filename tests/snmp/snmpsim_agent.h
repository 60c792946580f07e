// snmpsim's responder (snmpsimd) for one test: an SNMP agent nobody on this project wrote,
// serving .snmprec profiles by community on a free loopback port.
#pragma once

#include <filesystem>
#include <map>
#include <string>

class SnmpSimAgent {
public:
    // communityProfiles: community -> .snmprec text.
    explicit SnmpSimAgent(const std::map<std::string, std::string> &communityProfiles);
    ~SnmpSimAgent();
    SnmpSimAgent(const SnmpSimAgent &) = delete;
    SnmpSimAgent &operator=(const SnmpSimAgent &) = delete;

    static bool Installed();
    // True once the agent answered; false when it did not start within the time limit.
    bool Ready() const { return ready_; }
    unsigned short Port() const { return port_; }

private:
    std::filesystem::path workDir_;
    unsigned short port_ = 0;
    int pid_ = -1;
    bool ready_ = false;
};
