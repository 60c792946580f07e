// The simulated device's SNMP agent: one UDP socket on a loopback (or given) address, answering
// get, get-next and get-bulk (v1 and v2c) from a profile, with the configured faults, and
// logging every request.
#pragma once

#include "faults.h"
#include "profile.h"

#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace devsim {

struct AgentConfig {
    std::string profilePath;   // a .snmprec file, or a directory of <community>.snmprec files
    std::string faultsPath;    // optional
    std::string logPath;       // optional request log
    std::string bindAddress = "127.0.0.1";
    unsigned short port = 0;   // 0: a free port
};

class Agent {
public:
    ~Agent();
    bool Open(const AgentConfig &config, std::string &error);
    // Serves until stopFlag becomes non-zero.
    void Run(const volatile int &stopFlag);
    unsigned short Port() const { return port_; }
    bool IsIpv6() const { return ipv6_; }

private:
    struct PendingReply {
        std::chrono::steady_clock::time_point due;
        std::vector<unsigned char> bytes;
        sockaddr_storage peer;
        socklen_t peerLength;
        bool wrongSource;
    };

    void HandleDatagram(unsigned char *data, size_t length, const sockaddr_storage &peer, socklen_t peerLength);
    const Profile *ProfileFor(const std::string &community);
    void Send(const PendingReply &reply);
    void SendDueReplies();
    int MillisecondsToNextReply() const;

    AgentConfig config_;
    bool profileIsDirectory_ = false;
    Profile profile_;
    std::map<std::string, Profile> communityProfiles_;
    Faults faults_;
    FILE *log_ = nullptr;
    int socket_ = -1;
    int otherSocket_ = -1;   // the wrong source for "wrong-source" answers
    bool ipv6_ = false;
    unsigned short port_ = 0;
    long requestCount_ = 0;
    std::vector<PendingReply> pending_;
};

}  // namespace devsim
