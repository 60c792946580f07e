// The layer's cost over net-snmp: gets and get-next walks against devsim on loopback.
#include "snmp/snmp_pp.h"
#include "tests/support/devsim_fixture.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

const char *const kScalar = "1.3.6.1.2.1.25.2.2.0";
const std::string kColumn = "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.2";
constexpr int kRows = 1000;

// One device for the whole run: the scalar, a 1,000-row column and an object after it.
mfptest::DevSim &Device()
{
    static std::unique_ptr<mfptest::DevSim> device = [] {
        if (std::getenv("MFP_BUILD_DIR") == nullptr) {
            std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
            setenv("MFP_BUILD_DIR", exe.parent_path().parent_path().c_str(), 1);
        }
        std::string profile = std::string(kScalar) + "|2|524288\n";
        for (int row = 1; row <= kRows; ++row)
            profile += kColumn + ".1." + std::to_string(row) + "|2|" + std::to_string(row) + "\n";
        profile += "1.3.6.1.4.1.59123.2.3.50.1.3.23.1.1.3.1.1|4|next column\n";  // the walk leaves the column
        return std::make_unique<mfptest::DevSim>(profile);
    }();
    return *device;
}

struct LayerClient {
    int status = 0;
    Snmp session{status};
    CTarget target{IpAddress("127.0.0.1")};
    Pdu pdu;
    LayerClient()
    {
        target.SetPort(Device().Port());
        pdu += Vb(Oid(kScalar));
    }
    long Get()
    {
        long value = 0;
        Vb vb;
        if (session.get(pdu, target) != SNMP_CLASS_SUCCESS || !pdu.get_vb(vb, 0) || vb.get_value(value) != 0)
            return -1;
        return value;
    }
};

// The same request through net-snmp's single-session API, the practical limit for the layer.
struct DirectClient {
    void *handle = nullptr;
    oid name[MAX_OID_LEN];
    size_t nameLength = MAX_OID_LEN;
    DirectClient()
    {
        int status = 0;
        Snmp init(status);  // net-snmp initialised the same way as for the layer
        netsnmp_session settings;
        snmp_sess_init(&settings);
        std::string peer = "udp:127.0.0.1:" + std::to_string(Device().Port());
        settings.peername = peer.data();
        settings.version = SNMP_VERSION_1;
        settings.community = reinterpret_cast<u_char *>(const_cast<char *>("public"));
        settings.community_len = 6;
        settings.timeout = 1000000;
        settings.retries = 1;
        handle = snmp_sess_open(&settings);
        read_objid(kScalar, name, &nameLength);
    }
    ~DirectClient() { snmp_sess_close(handle); }
    long Get()
    {
        netsnmp_pdu *request = snmp_pdu_create(SNMP_MSG_GET);
        snmp_add_null_var(request, name, nameLength);
        netsnmp_pdu *response = nullptr;
        long value = -1;
        if (snmp_sess_synch_response(handle, request, &response) == STAT_SUCCESS && response->errstat == 0 &&
            response->variables && response->variables->type == ASN_INTEGER)
            value = *response->variables->val.integer;
        if (response)
            snmp_free_pdu(response);
        return value;
    }
};

void BM_GetThroughLayer(benchmark::State &state)
{
    LayerClient client;
    for (auto _ : state) {
        if (client.Get() != 524288)
            state.SkipWithError("wrong answer");
    }
}
BENCHMARK(BM_GetThroughLayer)->UseRealTime();

void BM_GetThroughNetSnmpDirectly(benchmark::State &state)
{
    DirectClient client;
    for (auto _ : state) {
        if (client.Get() != 524288)
            state.SkipWithError("wrong answer");
    }
}
BENCHMARK(BM_GetThroughNetSnmpDirectly)->UseRealTime();

// Both clients in turn, in one loop, so the ratio is taken under the same conditions.
void BM_GetLayerToDirectRatio(benchmark::State &state)
{
    LayerClient layer;
    DirectClient direct;
    std::chrono::nanoseconds layerTime{0}, directTime{0};
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        long a = layer.Get();
        auto t1 = std::chrono::steady_clock::now();
        long b = direct.Get();
        auto t2 = std::chrono::steady_clock::now();
        if (a != 524288 || b != 524288)
            state.SkipWithError("wrong answer");
        layerTime += t1 - t0;
        directTime += t2 - t1;
    }
    double n = static_cast<double>(state.iterations());
    state.counters["layer_us"] = static_cast<double>(layerTime.count()) / n / 1000.0;
    state.counters["direct_us"] = static_cast<double>(directTime.count()) / n / 1000.0;
    state.counters["ratio"] = static_cast<double>(layerTime.count()) / static_cast<double>(directTime.count());
}
BENCHMARK(BM_GetLayerToDirectRatio)->UseRealTime()->MinTime(2.0);

void BM_WalkColumnThroughLayer(benchmark::State &state)
{
    LayerClient client;
    for (auto _ : state) {
        Pdu pdu;
        pdu += Vb(Oid(kColumn.c_str()));
        int rows = 0;
        Vb vb;
        while (client.session.get_next(pdu, client.target) == SNMP_CLASS_SUCCESS && pdu.get_vb(vb, 0) &&
               std::string(vb.get_printable_oid()).find(kColumn) == 0)
            ++rows;
        if (rows != kRows)
            state.SkipWithError("wrong row count");
    }
    state.counters["rows"] = kRows;
}
BENCHMARK(BM_WalkColumnThroughLayer)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_WalkColumnWithSnmpwalk(benchmark::State &state)
{
    std::string command = "MIBS= /usr/bin/snmpwalk -v1 -c public -On -Oq 127.0.0.1:" + std::to_string(Device().Port()) +
                          " " + kColumn + " | wc -l";
    for (auto _ : state) {
        FILE *pipe = popen(command.c_str(), "r");
        int rows = 0;
        if (pipe == nullptr || fscanf(pipe, "%d", &rows) != 1)
            state.SkipWithError("snmpwalk failed");
        if (pipe)
            pclose(pipe);
        if (rows != kRows)
            state.SkipWithError("wrong row count");
    }
    state.counters["rows"] = kRows;
}
BENCHMARK(BM_WalkColumnWithSnmpwalk)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
