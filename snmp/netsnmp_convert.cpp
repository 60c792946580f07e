#include "snmp/netsnmp_convert.h"

#include "snmp/netsnmp_setup.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <vector>

namespace mfpsnmp {

static Oid OidFromNetSnmp(const oid *subIds, size_t count)
{
    std::vector<unsigned long> copy(subIds, subIds + count);
    return Oid(copy.data(), static_cast<unsigned long>(copy.size()));
}

void StoreVariable(const variable_list &variable, Vb &vb)
{
    vb.set_oid(OidFromNetSnmp(variable.name, variable.name_length));
    const netsnmp_vardata &value = variable.val;
    bool hasValue = value.string != nullptr;
    switch (variable.type) {
    case ASN_INTEGER:
        if (hasValue && variable.val_len >= sizeof(long))
            vb.set_value(*value.integer);
        else
            vb.SetOctets(ASN_INTEGER, nullptr, 0);
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        if (hasValue && variable.val_len >= sizeof(long))
            vb.SetUnsigned32(variable.type, static_cast<unsigned long>(*value.integer));
        else
            vb.SetOctets(variable.type, nullptr, 0);
        break;
    case ASN_COUNTER64:
        if (hasValue && variable.val_len >= sizeof(counter64))
            vb.SetCounter64((static_cast<uint64_t>(value.counter64->high) << 32) | (value.counter64->low & 0xFFFFFFFFu));
        else
            vb.SetOctets(ASN_COUNTER64, nullptr, 0);
        break;
    case ASN_OCTET_STR:
    case ASN_OPAQUE:
    case ASN_IPADDRESS:
        vb.SetOctets(variable.type, hasValue ? value.string : nullptr, variable.val_len);
        break;
    case ASN_OBJECT_ID:
        vb.set_value(hasValue ? OidFromNetSnmp(value.objid, variable.val_len / sizeof(oid)) : Oid());
        break;
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        vb.SetException(variable.type);
        break;
    case ASN_NULL:
        vb.set_null();
        break;
    default:
        vb.SetOctets(variable.type, nullptr, 0);
        break;
    }
}

static int ExceptionStatus(unsigned char syntax)
{
    switch (syntax) {
    case sNMP_SYNTAX_NOSUCHOBJECT:
        return SNMP_CLASS_NO_SUCH_OBJECT;
    case sNMP_SYNTAX_NOSUCHINSTANCE:
        return SNMP_CLASS_NO_SUCH_INSTANCE;
    case sNMP_SYNTAX_ENDOFMIBVIEW:
        return SNMP_CLASS_END_OF_MIB_VIEW;
    default:
        return SNMP_CLASS_SUCCESS;
    }
}

int ReadResponse(const snmp_pdu &response, int command, const Oid &requested, Pdu &pdu)
{
    if (response.command != SNMP_MSG_RESPONSE)
        return SNMP_CLASS_BAD_RESPONSE;
    if (response.errstat != SNMP_ERR_NOERROR) {
        pdu.SetError(static_cast<int>(response.errstat), static_cast<int>(response.errindex));
        bool known = response.errstat > 0 && response.errstat <= SNMP_ERROR_MAX;
        return known ? static_cast<int>(response.errstat) : SNMP_CLASS_BAD_RESPONSE;
    }
    const variable_list *variable = response.variables;
    if (variable == nullptr || variable->next_variable != nullptr)
        return SNMP_CLASS_BAD_RESPONSE;
    Vb answered;
    StoreVariable(*variable, answered);
    const Oid &returned = answered.get_oid();
    if (!returned.valid())
        return SNMP_CLASS_BAD_RESPONSE;
    // A get answers the object asked; a get-next moves strictly forward, so walks always end
    // (an endOfMibView answer may repeat the object asked).
    bool fits = command == SNMP_MSG_GET ? returned == requested
                                        : requested < returned || (answered.IsException() && returned == requested);
    if (!fits)
        return SNMP_CLASS_BAD_RESPONSE;
    pdu.SetError(0, 0);
    pdu.set_vb(answered, 0);
    return ExceptionStatus(answered.get_syntax());
}

int DecodeResponse(const unsigned char *datagram, size_t length, int command, const Oid &requested, Pdu &pdu)
{
    EnsureNetSnmp();
    netsnmp_session session;
    snmp_sess_init(&session);
    netsnmp_pdu *response = static_cast<netsnmp_pdu *>(calloc(1, sizeof(netsnmp_pdu)));
    if (response == nullptr)
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    std::vector<unsigned char> copy(datagram, datagram + length);
    int parsed = snmp_parse(nullptr, &session, response, copy.data(), copy.size());
    int status = SNMP_CLASS_BAD_RESPONSE;
    if (parsed == SNMPERR_SUCCESS && (response->version == SNMP_VERSION_1 || response->version == SNMP_VERSION_2c))
        status = ReadResponse(*response, command, requested, pdu);
    snmp_free_pdu(response);
    return status;
}

}  // namespace mfpsnmp
