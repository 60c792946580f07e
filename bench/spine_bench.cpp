// One full query frame (printer record, address resolution, both sessions, target, one get,
// release) against the simulated device, next to a bare get through the SNMP layer on an
// open session, and the frame without its get (its own cost).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "address/printer_record.h"
#include "address/resolve_device_address.h"
#include "address/snmp_classes.h"
#include "address/snmp_sessions.h"
#include "address/tcpip_port_key.h"
#include "address/vendor_oid.h"
#include "devsim_fixture.h"
#include "mfpwin.h"
#include "printer_setup.h"
#include "snmpquery/query_frame.h"
#include "temp_root.h"

namespace {

constexpr const char *kSysObjectId = "1.3.6.1.2.1.1.2.0";

// A printer on a standard TCP/IP port of the simulated device, in a throw-away root.
struct BenchSetup {
    BenchSetup()
    {
        setenv("MFP_BUILD_DIR", MFP_BENCH_BUILD_DIR, 0);
        root = std::make_unique<mfptest::TempRoot>();
        device = std::make_unique<mfptest::DevSim>(std::string(kSysObjectId) + "|6|" + mfpaddress::VendorOid("2.3.16.1") + "\n");
        spinetest::AddLocalPrinter("Office", "IP_127.0.0.1");
        spinetest::AddTcpIpPort("IP_127.0.0.1", "127.0.0.1");
    }
    std::unique_ptr<mfptest::TempRoot> root;
    std::unique_ptr<mfptest::DevSim> device;
};

BenchSetup &Setup()
{
    static BenchSetup setup;
    return setup;
}

void BM_BareGet(benchmark::State &state)
{
    Setup();
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
BENCHMARK(BM_BareGet)->Unit(benchmark::kMicrosecond);

void BM_FullFrame(benchmark::State &state)
{
    Setup();
    const mfpquery::QueryFrameOptions options = mfpquery::FrameOptionsFor(mfpquery::FrameQuestion::GetMFPModel);
    for (auto _ : state) {
        mfpquery::QueryFrame frame(options);
        if (frame.Open("Office", "0", nullptr) != mfpquery::FrameStatus::Ready || frame.Get(kSysObjectId) != 0)
            state.SkipWithError("the frame did not reach the device");
    }
}
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMicrosecond);

void BM_FrameWithoutRequest(benchmark::State &state)
{
    Setup();
    const mfpquery::QueryFrameOptions options = mfpquery::FrameOptionsFor(mfpquery::FrameQuestion::GetMFPModel);
    for (auto _ : state) {
        mfpquery::QueryFrame frame(options);
        if (frame.Open("Office", "0", nullptr) != mfpquery::FrameStatus::Ready)
            state.SkipWithError("the frame did not open");
    }
}
BENCHMARK(BM_FrameWithoutRequest)->Unit(benchmark::kMicrosecond);

}  // namespace

// The frame's parts, to see where its own cost goes.
namespace {

void BM_PartPrinterRecord(benchmark::State &state)
{
    Setup();
    for (auto _ : state) {
        HANDLE handle = nullptr;
        mfpaddress::PrinterRecord record = mfpaddress::GetPrinterInfo2("Office", &handle);
        benchmark::DoNotOptimize(record.get());
        record.reset();
        mfpaddress::CloseOpenedPrinter(handle);
    }
}
BENCHMARK(BM_PartPrinterRecord)->Unit(benchmark::kMicrosecond);

void BM_PartResolve(benchmark::State &state)
{
    Setup();
    HANDLE handle = nullptr;
    mfpaddress::PrinterRecord record = mfpaddress::GetPrinterInfo2("Office", &handle);
    for (auto _ : state) {
        char address[260] = {};
        benchmark::DoNotOptimize(mfpaddress::ResolveDeviceAddress(record.get(), address, 0, handle, 1, nullptr, 0));
    }
    record.reset();
    mfpaddress::CloseOpenedPrinter(handle);
}
BENCHMARK(BM_PartResolve)->Unit(benchmark::kMicrosecond);

void BM_PartSessions(benchmark::State &state)
{
    Setup();
    for (auto _ : state) {
        mfpaddress::SocketScope sockets;
        mfpaddress::SessionPair sessions(false);
        benchmark::DoNotOptimize(sessions.UdpUsable());
    }
}
BENCHMARK(BM_PartSessions)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// One registry value read (open, query, close): the unit the resolver's sources cost.
void BM_PartRegistryRead(benchmark::State &state)
{
    Setup();
    const std::string path = std::string(mfpaddress::kLocalTcpIpPorts) + "IP_127.0.0.1";
    for (auto _ : state) {
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key);
        char value[260];
        DWORD size = sizeof value;
        RegQueryValueExA(key, "IPAddress", nullptr, nullptr, reinterpret_cast<LPBYTE>(value), &size);
        RegCloseKey(key);
    }
}
BENCHMARK(BM_PartRegistryRead)->Unit(benchmark::kMicrosecond);

}  // namespace
