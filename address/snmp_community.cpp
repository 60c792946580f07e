#include "address/snmp_community.h"

#include "address/printer_record.h"

namespace mfpaddress {

int ReadSnmpCommunity(CTarget &target, HANDLE printer)
{
    char community[260];
    if (!ReadPrinterText(printer, "SNMP Community", community))
        return 0;
    target.set_readcommunity(OctetStr(community));
    return 1;
}

}  // namespace mfpaddress
