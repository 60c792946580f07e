#include "snmp/snmp.h"

#include "snmp/netsnmp_convert.h"
#include "snmp/netsnmp_setup.h"
#include "snmp/udp_socket.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>

namespace {

std::atomic<int> startupCount{0};

// net-snmp's peer text for the target: "udp:192.0.2.1:161" or "udp6:[fe80::1%eth0]:161".
std::string PeerName(const SnmpTarget &target)
{
    const GenAddress &address = target.get_address();
    std::string port = std::to_string(target.Port());
    if (address.get_ip_version() == Address::version_ipv6)
        return "udp6:[" + std::string(address.get_printable()) + "]:" + port;
    return "udp:" + std::string(address.get_printable()) + ":" + port;
}

}  // namespace

// One open net-snmp session, reused while requests go to the same agent with the same settings.
struct Snmp::Session {
    std::mutex mutex;
    bool usable = false;
    unsigned short localPort = 0;
    void *handle = nullptr;
    std::string key;

    ~Session() { Close(); }

    void Close()
    {
        if (handle != nullptr)
            snmp_sess_close(handle);
        handle = nullptr;
        key.clear();
    }

    // Opens (or keeps) the session for target; false when net-snmp cannot open it.
    bool OpenFor(const SnmpTarget &target, const OctetStr &community)
    {
        std::string peer = PeerName(target);
        std::string wanted = peer + '\n' + std::to_string(target.get_version()) + '\n' +
                             std::to_string(target.get_timeout()) + '\n' + std::to_string(target.get_retry()) + '\n' +
                             std::string(reinterpret_cast<const char *>(community.data()), community.len());
        if (handle != nullptr && wanted == key)
            return true;
        Close();
        netsnmp_session settings;
        snmp_sess_init(&settings);
        settings.version = target.get_version() == version2c ? SNMP_VERSION_2c : SNMP_VERSION_1;
        settings.peername = peer.data();
        std::vector<unsigned char> communityBytes(community.data(), community.data() + community.len());
        settings.community = communityBytes.data();
        settings.community_len = communityBytes.size();
        // Hundredths of a second to microseconds; at least one hundredth.
        unsigned long hundredths = target.get_timeout() == 0 ? 1 : target.get_timeout();
        settings.timeout = static_cast<long>(std::min(hundredths, 360000UL) * 10000UL);
        settings.retries = target.get_retry();
        handle = snmp_sess_open(&settings);
        if (handle == nullptr)
            return false;
        sockaddr_storage agent;
        socklen_t agentLength = 0;
        netsnmp_transport *transport = snmp_sess_transport(handle);
        if (transport == nullptr || transport->sock < 0 || !mfpsnmp::AgentSocketAddress(target, agent, agentLength) ||
            !mfpsnmp::ReplaceSessionSocket(transport->sock, agent, agentLength, localPort)) {
            Close();
            return false;
        }
        key = wanted;
        return true;
    }
};

int Snmp::socket_startup()
{
    mfpsnmp::EnsureNetSnmp();
    startupCount.fetch_add(1);
    return 0;
}

// net-snmp stays initialised for the life of the process: both driver libraries share it, and
// a later startup must find it ready.
int Snmp::socket_cleanup()
{
    int count = startupCount.load();
    while (count > 0 && !startupCount.compare_exchange_weak(count, count - 1)) {
    }
    return 0;
}

Snmp::Snmp(int &status, unsigned short port, bool ipv6) : session_(std::make_unique<Session>())
{
    mfpsnmp::EnsureNetSnmp();
    session_->localPort = port;
    session_->usable = mfpsnmp::CanOpenUdpSocket(ipv6, port);
    status = session_->usable ? SNMP_CLASS_SUCCESS : SNMP_CLASS_SESSION_UNUSABLE;
}

Snmp::Snmp(int &status, const IpxSockAddress &) : session_(std::make_unique<Session>())
{
    status = SNMP_CLASS_UNSUPPORTED;
}

Snmp::~Snmp() = default;

int Snmp::get(Pdu &pdu, const SnmpTarget &target)
{
    return Request(SNMP_MSG_GET, pdu, target);
}

int Snmp::get_next(Pdu &pdu, const SnmpTarget &target)
{
    return Request(SNMP_MSG_GETNEXT, pdu, target);
}

int Snmp::Request(int command, Pdu &pdu, const SnmpTarget &target)
{
    std::lock_guard lock(session_->mutex);
    if (!session_->usable)
        return SNMP_CLASS_SESSION_UNUSABLE;
    Vb asked;
    if (pdu.get_vb_count() != 1 || !pdu.get_vb(asked, 0) || !asked.get_oid().valid())
        return SNMP_CLASS_INVALID_PDU;
    // Only IP agents can be reached: there is no IPX transport.
    if (target.get_address().get_type() != Address::type_ip)
        return SNMP_CLASS_INVALID_TARGET;
    const auto *community = dynamic_cast<const CTarget *>(&target);
    if (!session_->OpenFor(target, community ? community->get_readcommunity() : OctetStr("public")))
        return SNMP_CLASS_TL_FAILED;

    netsnmp_pdu *request = snmp_pdu_create(command);
    if (request == nullptr)
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    const std::vector<unsigned long> &subIds = asked.get_oid().SubIds();
    std::vector<oid> name(subIds.begin(), subIds.end());
    snmp_add_null_var(request, name.data(), name.size());

    netsnmp_pdu *response = nullptr;
    int sent = snmp_sess_synch_response(session_->handle, request, &response);
    int status;
    if (sent == STAT_SUCCESS && response != nullptr)
        status = mfpsnmp::ReadResponse(*response, command, asked.get_oid(), pdu);
    else if (sent == STAT_TIMEOUT)
        status = SNMP_CLASS_TIMEOUT;
    else
        status = SNMP_CLASS_TL_FAILED;
    if (response != nullptr)
        snmp_free_pdu(response);
    // A failed send can leave the socket unusable; start afresh on the next request.
    if (status == SNMP_CLASS_TL_FAILED)
        session_->Close();
    return status;
}

const char *Snmp::error_msg(int status)
{
    switch (status) {
    case SNMP_CLASS_SUCCESS:
        return "success";
    case SNMP_CLASS_RESOURCE_UNAVAIL:
        return "resource unavailable";
    case SNMP_CLASS_INTERNAL_ERROR:
        return "internal error";
    case SNMP_CLASS_UNSUPPORTED:
        return "transport not supported";
    case SNMP_CLASS_TIMEOUT:
        return "no answer (timeout)";
    case SNMP_CLASS_SESSION_UNUSABLE:
        return "session unusable";
    case SNMP_CLASS_TL_FAILED:
        return "request could not be sent";
    case SNMP_CLASS_INVALID_PDU:
        return "request must hold exactly one valid binding";
    case SNMP_CLASS_INVALID_TARGET:
        return "target has no usable address";
    case SNMP_CLASS_INVALID:
        return "value cannot be read in that form";
    case SNMP_CLASS_BAD_RESPONSE:
        return "answer does not fit the request";
    case SNMP_CLASS_NO_SUCH_OBJECT:
        return "no such object";
    case SNMP_CLASS_NO_SUCH_INSTANCE:
        return "no such instance";
    case SNMP_CLASS_END_OF_MIB_VIEW:
        return "end of MIB view";
    default:
        return status > 0 ? "agent reported an error status" : "error";
    }
}
