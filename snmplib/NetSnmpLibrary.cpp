#include "snmplib/NetSnmpLibrary.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdio>
#include <cstdlib>

namespace {

int LogToStderr(int, int, void* serverArg, void*)
{
    const auto* message = static_cast<const snmp_log_message*>(serverArg);
    if (message != nullptr && message->msg != nullptr)
        std::fprintf(stderr, "net-snmp: %s", message->msg);
    return 0;
}

} // namespace

void EnsureNetSnmp()
{
    static const bool initialised = [] {
        // Log through the callback handler: with no handler enabled the library writes to stderr.
        snmp_disable_log();
        snmp_enable_calllog();
        if (std::getenv("SORVANE_SNMP_LOG") != nullptr)
            snmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_LOGGING, LogToStderr, nullptr);

        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
        // No MIB files: OIDs are printed and parsed numerically.
        setenv("MIBS", "", 1);
        netsnmp_set_mib_directory("");
        // init_snmp creates directories below the persistent directory (cert_indexes); one
        // that cannot hold any keeps it from writing anywhere.
        set_persistent_directory("/dev/null");
        set_configuration_directory("/dev/null");
        init_snmp("sorvane");
        return true;
    }();
    (void)initialised;
}
