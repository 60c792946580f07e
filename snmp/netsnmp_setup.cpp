#include "snmp/netsnmp_setup.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>

namespace mfpsnmp {

void EnsureNetSnmp()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Results must not depend on the host: no snmp.conf, no MIB directories, no persistent
        // files, and the engine's timers never raise signals in the caller's process.
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PRINT_NUMERIC_OIDS, 1);
        netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_WARNINGS, 0);
        netsnmp_set_mib_directory("");
        // The module list comes only from MIBS; an empty list loads none. The caller's value is
        // put back once the engine is up.
        std::optional<std::string> callerMibs;
        if (const char *mibs = std::getenv("MIBS"))
            callerMibs = mibs;
        setenv("MIBS", "", 1);
        init_snmp("mfpsnmp");
        // The engine's diagnostics (malformed packets and the like) are not the caller's output:
        // failures reach the caller as statuses.
        netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_DEBUG);
        if (callerMibs)
            setenv("MIBS", callerMibs->c_str(), 1);
        else
            unsetenv("MIBS");
    });
}

}  // namespace mfpsnmp
