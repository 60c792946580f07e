#include "responder.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <vector>

namespace devsim {

namespace {

constexpr int kMaxBulkBindings = 100;

std::vector<oid> ToNetSnmp(const OidValue &value)
{
    return std::vector<oid>(value.begin(), value.end());
}

OidValue FromNetSnmp(const oid *name, size_t length)
{
    return OidValue(name, name + length);
}

void AddValue(snmp_pdu *pdu, const OidValue &name, const ObjectValue &value)
{
    std::vector<oid> wireName = ToNetSnmp(name);
    switch (value.tag) {
    case ASN_INTEGER:
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS: {
        long number = value.integer;
        snmp_pdu_add_variable(pdu, wireName.data(), wireName.size(), value.tag, &number, sizeof number);
        break;
    }
    case ASN_COUNTER64: {
        counter64 number{static_cast<u_long>(value.counter64 >> 32), static_cast<u_long>(value.counter64 & 0xFFFFFFFFu)};
        snmp_pdu_add_variable(pdu, wireName.data(), wireName.size(), value.tag, &number, sizeof number);
        break;
    }
    case ASN_OBJECT_ID: {
        std::vector<oid> objid = ToNetSnmp(value.oid);
        snmp_pdu_add_variable(pdu, wireName.data(), wireName.size(), value.tag, objid.data(), objid.size() * sizeof(oid));
        break;
    }
    case ASN_NULL:
        snmp_pdu_add_variable(pdu, wireName.data(), wireName.size(), ASN_NULL, nullptr, 0);
        break;
    default:
        snmp_pdu_add_variable(pdu, wireName.data(), wireName.size(), value.tag, value.bytes.data(), value.bytes.size());
        break;
    }
}

void AddException(snmp_pdu *pdu, const OidValue &name, unsigned char exception)
{
    std::vector<oid> wireName = ToNetSnmp(name);
    snmp_pdu_add_variable(pdu, wireName.data(), wireName.size(), exception, nullptr, 0);
}

// v2c get of a missing object: noSuchInstance when the object type (the name without its last
// sub-identifier) holds instances, noSuchObject otherwise.
unsigned char MissingObjectException(const Profile &profile, const OidValue &name)
{
    if (name.size() > 1) {
        OidValue parent(name.begin(), name.end() - 1);
        auto it = profile.lower_bound(parent);
        if (it != profile.end() && it->first.size() > parent.size() &&
            std::equal(parent.begin(), parent.end(), it->first.begin()))
            return SNMP_NOSUCHINSTANCE;
    }
    return SNMP_NOSUCHOBJECT;
}

class Answer {
public:
    Answer(const snmp_pdu &request, const Profile &profile, const ObjectFault *fault)
        : request_(request), profile_(profile), fault_(fault), v1_(request.version == SNMP_VERSION_1)
    {
    }

    snmp_pdu *Build()
    {
        response_ = snmp_pdu_create(SNMP_MSG_RESPONSE);
        if (response_ == nullptr)
            return nullptr;
        response_->version = request_.version;
        response_->reqid = request_.reqid;
        response_->msgid = request_.msgid;
        response_->community = static_cast<u_char *>(netsnmp_memdup(request_.community, request_.community_len));
        response_->community_len = request_.community_len;
        int index = 1;
        bool ok = true;
        switch (request_.command) {
        case SNMP_MSG_GET:
            for (const variable_list *v = request_.variables; v && ok; v = v->next_variable, ++index)
                ok = Get(FromNetSnmp(v->name, v->name_length), index);
            break;
        case SNMP_MSG_GETNEXT:
            for (const variable_list *v = request_.variables; v && ok; v = v->next_variable, ++index)
                ok = GetNext(FromNetSnmp(v->name, v->name_length), index);
            break;
        case SNMP_MSG_GETBULK:
            Bulk();
            break;
        case SNMP_MSG_SET:
            Fail(v1_ ? SNMP_ERR_READONLY : SNMP_ERR_NOTWRITABLE, 1);
            break;
        default:
            snmp_free_pdu(response_);
            return nullptr;
        }
        if (fault_ != nullptr && fault_->errorStatus != 0)
            Fail(fault_->errorStatus, 1);
        return response_;
    }

private:
    // An error answer carries the request's bindings unchanged.
    void Fail(int status, int index)
    {
        snmp_free_varbind(response_->variables);
        response_->variables = snmp_clone_varbind(request_.variables);
        response_->errstat = status;
        response_->errindex = index;
    }

    void AddAnswer(const OidValue &name, const ObjectValue &value)
    {
        const OidValue &shownName = fault_ && fault_->replyOid ? *fault_->replyOid : name;
        AddValue(response_, shownName, fault_ && fault_->value ? *fault_->value : value);
    }

    bool Get(const OidValue &name, int index)
    {
        auto it = profile_.find(name);
        if (it != profile_.end()) {
            AddAnswer(name, it->second);
        } else if (v1_) {
            Fail(SNMP_ERR_NOSUCHNAME, index);
            return false;
        } else {
            AddException(response_, name, MissingObjectException(profile_, name));
        }
        return true;
    }

    bool GetNext(const OidValue &name, int index)
    {
        auto it = profile_.upper_bound(name);
        if (it != profile_.end()) {
            AddAnswer(it->first, it->second);
        } else if (v1_) {
            Fail(SNMP_ERR_NOSUCHNAME, index);
            return false;
        } else {
            AddException(response_, name, SNMP_ENDOFMIBVIEW);
        }
        return true;
    }

    void Bulk()
    {
        long nonRepeaters = std::max(0L, request_.non_repeaters);
        long repetitions = std::max(0L, request_.max_repetitions);
        std::vector<OidValue> repeaters;
        long position = 0;
        int added = 0;
        for (const variable_list *v = request_.variables; v; v = v->next_variable, ++position) {
            OidValue name = FromNetSnmp(v->name, v->name_length);
            if (position < nonRepeaters) {
                GetNext(name, 0);
                ++added;
            } else {
                repeaters.push_back(name);
            }
        }
        for (long round = 0; round < repetitions && !repeaters.empty(); ++round) {
            for (OidValue &name : repeaters) {
                if (added++ >= kMaxBulkBindings)
                    return;
                auto it = profile_.upper_bound(name);
                if (it == profile_.end()) {
                    AddException(response_, name, SNMP_ENDOFMIBVIEW);
                } else {
                    AddAnswer(it->first, it->second);
                    name = it->first;
                }
            }
        }
    }

    const snmp_pdu &request_;
    const Profile &profile_;
    const ObjectFault *fault_;
    bool v1_;
    snmp_pdu *response_ = nullptr;
};

}  // namespace

snmp_pdu *BuildAnswer(const snmp_pdu &request, const Profile &profile, const ObjectFault *fault)
{
    return Answer(request, profile, fault).Build();
}

}  // namespace devsim
