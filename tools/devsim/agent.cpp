#include "agent.h"

#include "responder.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace devsim {

namespace {

constexpr size_t kMaxDatagram = 65535;

// Opens a UDP socket bound to address:port; -1 on failure.
int OpenSocket(const std::string &address, unsigned short port, bool &ipv6)
{
    sockaddr_storage local{};
    socklen_t length = 0;
    auto *in4 = reinterpret_cast<sockaddr_in *>(&local);
    auto *in6 = reinterpret_cast<sockaddr_in6 *>(&local);
    if (inet_pton(AF_INET, address.c_str(), &in4->sin_addr) == 1) {
        in4->sin_family = AF_INET;
        in4->sin_port = htons(port);
        length = sizeof *in4;
        ipv6 = false;
    } else if (inet_pton(AF_INET6, address.c_str(), &in6->sin6_addr) == 1) {
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(port);
        length = sizeof *in6;
        ipv6 = true;
    } else {
        return -1;
    }
    int fd = socket(local.ss_family, SOCK_DGRAM, 0);
    if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr *>(&local), length) != 0) {
        close(fd);
        fd = -1;
    }
    return fd;
}

unsigned short BoundPort(int fd)
{
    sockaddr_storage local{};
    socklen_t length = sizeof local;
    getsockname(fd, reinterpret_cast<sockaddr *>(&local), &length);
    if (local.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<sockaddr_in6 *>(&local)->sin6_port);
    return ntohs(reinterpret_cast<sockaddr_in *>(&local)->sin_port);
}

const char *CommandName(int command)
{
    switch (command) {
    case SNMP_MSG_GET:
        return "get";
    case SNMP_MSG_GETNEXT:
        return "getnext";
    case SNMP_MSG_GETBULK:
        return "getbulk";
    case SNMP_MSG_SET:
        return "set";
    default:
        return "other";
    }
}

// Community text for the log: printable ASCII kept, other bytes as \xHH.
std::string LoggableCommunity(const u_char *bytes, size_t length)
{
    std::string text;
    char escaped[8];
    for (size_t i = 0; i < length; ++i) {
        if (bytes[i] > 0x20 && bytes[i] < 0x7F && bytes[i] != '\\') {
            text += static_cast<char>(bytes[i]);
        } else {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", bytes[i]);
            text += escaped;
        }
    }
    return text;
}

// A community names a profile file only when it is a plain file name.
bool IsSafeFileName(const std::string &name)
{
    return !name.empty() && name[0] != '.' && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

}  // namespace

Agent::~Agent()
{
    if (socket_ >= 0)
        close(socket_);
    if (otherSocket_ >= 0)
        close(otherSocket_);
    if (log_ != nullptr)
        fclose(log_);
}

bool Agent::Open(const AgentConfig &config, std::string &error)
{
    config_ = config;
    profileIsDirectory_ = std::filesystem::is_directory(config.profilePath);
    if (!profileIsDirectory_ && !LoadProfile(config.profilePath, profile_, error))
        return false;
    if (!config.faultsPath.empty() && !LoadFaults(config.faultsPath, faults_, error))
        return false;
    if (!config.logPath.empty() && (log_ = fopen(config.logPath.c_str(), "a")) == nullptr) {
        error = config.logPath + ": cannot open the request log";
        return false;
    }
    socket_ = OpenSocket(config.bindAddress, config.port, ipv6_);
    bool otherIpv6 = false;
    otherSocket_ = OpenSocket(config.bindAddress, 0, otherIpv6);
    if (socket_ < 0 || otherSocket_ < 0) {
        error = "cannot listen on " + config.bindAddress + " port " + std::to_string(config.port) + ": " +
                std::strerror(errno);
        return false;
    }
    port_ = BoundPort(socket_);
    return true;
}

const Profile *Agent::ProfileFor(const std::string &community)
{
    if (!profileIsDirectory_)
        return &profile_;
    if (auto it = communityProfiles_.find(community); it != communityProfiles_.end())
        return &it->second;
    if (!IsSafeFileName(community))
        return nullptr;
    std::filesystem::path file = std::filesystem::path(config_.profilePath) / (community + ".snmprec");
    Profile loaded;
    std::string error;
    if (!std::filesystem::exists(file))
        return nullptr;
    if (!LoadProfile(file.string(), loaded, error)) {
        std::fprintf(stderr, "devsim: %s\n", error.c_str());
        return nullptr;
    }
    return &communityProfiles_.emplace(community, std::move(loaded)).first->second;
}

void Agent::HandleDatagram(unsigned char *data, size_t length, const sockaddr_storage &peer, socklen_t peerLength)
{
    netsnmp_session parser;
    snmp_sess_init(&parser);
    netsnmp_pdu *request = static_cast<netsnmp_pdu *>(calloc(1, sizeof(netsnmp_pdu)));
    if (request == nullptr)
        return;
    if (snmp_parse(nullptr, &parser, request, data, length) != SNMPERR_SUCCESS ||
        (request->version != SNMP_VERSION_1 && request->version != SNMP_VERSION_2c)) {
        snmp_free_pdu(request);
        return;
    }
    ++requestCount_;
    std::string community = LoggableCommunity(request->community, request->community_len);
    if (log_ != nullptr) {
        std::string line = std::string(request->version == SNMP_VERSION_1 ? "v1" : "v2c") + " " + community + " " +
                           CommandName(request->command);
        for (const variable_list *v = request->variables; v; v = v->next_variable)
            line += " " + FormatOid(OidValue(v->name, v->name + v->name_length));
        std::fprintf(log_, "%s\n", line.c_str());
        std::fflush(log_);
    }
    const Profile *profile =
        ProfileFor(std::string(reinterpret_cast<const char *>(request->community), request->community_len));
    const ObjectFault *fault = nullptr;
    if (request->variables != nullptr) {
        auto it = faults_.objects.find(OidValue(request->variables->name,
                                                request->variables->name + request->variables->name_length));
        if (it != faults_.objects.end())
            fault = &it->second;
    }
    bool answer = profile != nullptr && !(fault && fault->drop) &&
                  (faults_.stopAfter < 0 || requestCount_ <= faults_.stopAfter);
    netsnmp_pdu *response = answer ? BuildAnswer(*request, *profile, fault) : nullptr;
    snmp_free_pdu(request);
    if (response == nullptr)
        return;

    // net-snmp encodes from the back of the buffer (and may grow it): the message is the last
    // offset bytes.
    size_t packetLength = kMaxDatagram;
    auto *packet = static_cast<u_char *>(malloc(packetLength));
    size_t offset = 0;
    int built = packet ? snmp_build(&packet, &packetLength, &offset, &parser, response) : SNMPERR_MALLOC;
    snmp_free_pdu(response);
    if (built != SNMPERR_SUCCESS || offset > packetLength) {
        std::fprintf(stderr, "devsim: cannot encode an answer: %s\n", snmp_api_errstring(built));
        free(packet);
        return;
    }
    const u_char *message = packet + packetLength - offset;
    PendingReply reply{std::chrono::steady_clock::now(), std::vector<unsigned char>(message, message + offset), peer,
                       peerLength, fault && fault->wrongSource};
    free(packet);
    if (fault && fault->garble)
        reply.bytes.resize(reply.bytes.size() / 2);
    if (fault && fault->delayMs > 0) {
        reply.due += std::chrono::milliseconds(fault->delayMs);
        pending_.push_back(std::move(reply));
        return;
    }
    Send(reply);
}

void Agent::Send(const PendingReply &reply)
{
    int fd = reply.wrongSource ? otherSocket_ : socket_;
    sendto(fd, reply.bytes.data(), reply.bytes.size(), 0, reinterpret_cast<const sockaddr *>(&reply.peer),
           reply.peerLength);
}

void Agent::SendDueReplies()
{
    auto now = std::chrono::steady_clock::now();
    auto due = std::stable_partition(pending_.begin(), pending_.end(),
                                     [now](const PendingReply &reply) { return reply.due > now; });
    for (auto it = due; it != pending_.end(); ++it)
        Send(*it);
    pending_.erase(due, pending_.end());
}

int Agent::MillisecondsToNextReply() const
{
    int wait = 200;  // also how often the stop flag is checked
    auto now = std::chrono::steady_clock::now();
    for (const PendingReply &reply : pending_) {
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(reply.due - now).count();
        wait = std::min<int>(wait, static_cast<int>(std::max<long long>(ms, 0)));
    }
    return wait;
}

void Agent::Run(const volatile int &stopFlag)
{
    std::vector<unsigned char> datagram(kMaxDatagram);
    while (stopFlag == 0) {
        pollfd watched{socket_, POLLIN, 0};
        int ready = poll(&watched, 1, MillisecondsToNextReply());
        if (ready > 0 && (watched.revents & POLLIN) != 0) {
            sockaddr_storage peer{};
            socklen_t peerLength = sizeof peer;
            ssize_t received = recvfrom(socket_, datagram.data(), datagram.size(), 0,
                                        reinterpret_cast<sockaddr *>(&peer), &peerLength);
            if (received > 0)
                HandleDatagram(datagram.data(), static_cast<size_t>(received), peer, peerLength);
        }
        SendDueReplies();
    }
}

}  // namespace devsim
