// A simulated device for one test: starts build/bin/devsim on a free loopback port with a profile
// given as text, points MFP_SNMP_PORT at it for the lifetime of the object, and reads its request
// log. Profile text is the .snmprec format ("OID|type|value" lines); fault text is the devsim
// fault format (docs/devsim.md).
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace mfptest {

struct DevSimOptions {
    // One profile served to every community...
    std::string profile;
    // ...or, when not empty, one profile per community (community "foo" -> foo.snmprec).
    std::map<std::string, std::string> communityProfiles;
    std::string faults;   // fault lines; empty: none
    bool ipv6 = false;    // listen on ::1 instead of 127.0.0.1
    std::vector<std::string> extraArguments;
};

class DevSim {
public:
    explicit DevSim(const std::string &profile, const std::string &faults = "");
    explicit DevSim(const DevSimOptions &options);
    ~DevSim();
    DevSim(const DevSim &) = delete;
    DevSim &operator=(const DevSim &) = delete;

    unsigned short Port() const { return port_; }
    // "127.0.0.1" or "::1".
    const std::string &Host() const { return host_; }
    // One line per request received so far:
    //   "<v1|v2c> <community> <get|getnext|getbulk|set> <oid> [<oid>...]"
    std::vector<std::string> RequestLog() const;
    // Stops the device now (the destructor does it otherwise); later requests time out.
    void Stop();

private:
    void Start(const DevSimOptions &options);

    std::filesystem::path workDir_;
    std::filesystem::path logPath_;
    std::string host_;
    unsigned short port_ = 0;
    int pid_ = -1;
    std::string previousPort_;
    bool hadPreviousPort_ = false;
};

}  // namespace mfptest
