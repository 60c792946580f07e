// devsim: a simulated SNMP device serving .snmprec profiles (usage in docs/devsim.md).
#include "agent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

volatile int stopRequested = 0;

void RequestStop(int)
{
    stopRequested = 1;
}

void Usage()
{
    std::fprintf(stderr,
                 "usage: devsim --profile FILE|DIR [--faults FILE] [--log FILE] [--ipv6 | --bind ADDRESS]\n"
                 "              [--port N]\n"
                 "Serves the profile over SNMP v1/v2c on UDP and prints one ready line:\n"
                 "  devsim ready udp|udp6 ADDRESS PORT\n");
}

}  // namespace

int main(int argc, char **argv)
{
    devsim::AgentConfig config;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        bool hasValue = i + 1 < argc;
        if (option == "--profile" && hasValue) {
            config.profilePath = argv[++i];
        } else if (option == "--faults" && hasValue) {
            config.faultsPath = argv[++i];
        } else if (option == "--log" && hasValue) {
            config.logPath = argv[++i];
        } else if (option == "--bind" && hasValue) {
            config.bindAddress = argv[++i];
        } else if (option == "--ipv6") {
            config.bindAddress = "::1";
        } else if (option == "--port" && hasValue) {
            long port = std::strtol(argv[++i], nullptr, 10);
            if (port < 0 || port > 65535) {
                Usage();
                return 2;
            }
            config.port = static_cast<unsigned short>(port);
        } else {
            Usage();
            return 2;
        }
    }
    if (config.profilePath.empty()) {
        Usage();
        return 2;
    }

    // Only the encoder and decoder of net-snmp are used: nothing from the host's configuration.
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_set_mib_directory("");
    setenv("MIBS", "", 1);
    init_snmp("devsim");
    // Malformed requests are dropped quietly; the request log says what arrived.
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_DEBUG);

    devsim::Agent agent;
    std::string error;
    if (!agent.Open(config, error)) {
        std::fprintf(stderr, "devsim: %s\n", error.c_str());
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::printf("devsim ready %s %s %u\n", agent.IsIpv6() ? "udp6" : "udp", config.bindAddress.c_str(),
                static_cast<unsigned>(agent.Port()));
    std::fflush(stdout);
    agent.Run(stopRequested);
    return 0;
}
