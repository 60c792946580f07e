// GetMFPModel of the loaded libmirvale.so per call against the simulated device, next to a bare
// get of the same object through the SNMP layer on an open session (the export's own work is the
// difference), with the device answering at once and after a 2 ms delay (a device on a real
// network). Then the whole "mfpctl model" process next to the snmpget tool asking the same
// object. Wall-clock time throughout: the device's answer is part of what a caller waits for.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "devsim_fixture.h"
#include "mfpwin.h"
#include "printer_setup.h"
#include "snmp/snmp_pp.h"
#include "temp_root.h"

extern char **environ;

namespace {

constexpr const char *kSysObjectId = "1.3.6.1.2.1.1.2.0";

// A printer "Office" on a standard TCP/IP port at 127.0.0.1 and one device per answer delay.
struct BenchSetup {
    BenchSetup()
    {
        setenv("MFP_BUILD_DIR", MFP_BENCH_BUILD_DIR, 0);
        root = std::make_unique<mfptest::TempRoot>();
        spinetest::AddLocalPrinter("Office", "IP_127.0.0.1");
        spinetest::AddTcpIpPort("IP_127.0.0.1", "127.0.0.1");
        mirvale = LoadLibraryA((std::string(MFP_BENCH_BUILD_DIR) + "/lib/libmirvale.so").c_str());
        getMfpModel = reinterpret_cast<int (*)(char *, char *, HANDLE)>(GetProcAddress(mirvale, "GetMFPModel"));
    }

    // The device answering after delayMs; MFP_SNMP_PORT points at it.
    const mfptest::DevSim &Device(int delayMs)
    {
        auto &device = devices[delayMs];
        if (!device) {
            const std::string profile = std::string(kSysObjectId) + "|6|" + MFP_VENDOR_OID + ".2.3.16.1\n";
            const std::string faults = delayMs > 0 ? std::string(kSysObjectId) + " delay " + std::to_string(delayMs) + "\n" : "";
            device = std::make_unique<mfptest::DevSim>(profile, faults);
        }
        setenv("MFP_SNMP_PORT", std::to_string(device->Port()).c_str(), 1);
        return *device;
    }

    std::unique_ptr<mfptest::TempRoot> root;
    std::map<int, std::unique_ptr<mfptest::DevSim>> devices;
    HMODULE mirvale = nullptr;
    int (*getMfpModel)(char *, char *, HANDLE) = nullptr;
};

BenchSetup &Setup()
{
    static BenchSetup setup;
    return setup;
}

void BM_BareGet(benchmark::State &state)
{
    Setup().Device(static_cast<int>(state.range(0)));
    Snmp::socket_startup();
    int status = 0;
    Snmp session(status, 0, false);
    CTarget target{IpAddress("127.0.0.1")};
    target.set_timeout(300);
    for (auto _ : state) {
        Pdu pdu;
        pdu += Vb(Oid(kSysObjectId));
        if (session.get(pdu, target) != 0)
            state.SkipWithError("the device did not answer");
    }
    Snmp::socket_cleanup();
}
BENCHMARK(BM_BareGet)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_GetMFPModel(benchmark::State &state)
{
    BenchSetup &setup = Setup();
    setup.Device(static_cast<int>(state.range(0)));
    if (setup.getMfpModel == nullptr) {
        state.SkipWithError("libmirvale.so or its GetMFPModel not found");
        return;
    }
    char printer[] = "Office";
    char brand[] = "0";
    for (auto _ : state)
        if (setup.getMfpModel(printer, brand, nullptr) != 1)
            state.SkipWithError("GetMFPModel did not answer 1");
}
BENCHMARK(BM_GetMFPModel)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Runs the program to its end; its exit code (-1 when it could not be started).
int RunProcess(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const auto &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_MfpctlModelProcess(benchmark::State &state)
{
    Setup().Device(0);
    const std::vector<std::string> command{std::string(MFP_BENCH_BUILD_DIR) + "/bin/mfpctl", "model", "Office"};
    for (auto _ : state)
        if (RunProcess(command) != 0)
            state.SkipWithError("mfpctl model did not answer yes");
}
BENCHMARK(BM_MfpctlModelProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SnmpgetProcess(benchmark::State &state)
{
    const mfptest::DevSim &device = Setup().Device(0);
    const std::vector<std::string> command{"snmpget", "-v1", "-c", "public", "-t", "3", "-r", "1",
                                           "127.0.0.1:" + std::to_string(device.Port()), kSysObjectId};
    for (auto _ : state)
        if (RunProcess(command) != 0)
            state.SkipWithError("snmpget failed");
}
BENCHMARK(BM_SnmpgetProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
