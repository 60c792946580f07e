// Listing 1,000 printers: EnumPrintersA level 2 alone, with the list formatted as mfpctl
// prints it, and the whole "mfpctl printer list" process.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "mfpwin.h"

namespace {

constexpr int kPrinters = 1000;

// One root with the fleet, set up once by importing it (a single transaction).
class Fleet {
public:
    Fleet()
    {
        char pattern[] = "/tmp/mfp-bench-XXXXXX";
        root_ = mkdtemp(pattern);
        setenv("MFP_ROOT", root_.c_str(), 1);
        const std::string file = root_ + "/fleet.reg";
        std::ofstream out(file);
        out << "Windows Registry Editor Version 5.00\n\n"
            << "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Drivers\\"
               "Version-3\\Lumora 940 PCL]\n\"Driver\"=\"UNIDRV.DLL\"\n\"Version\"=dword:00000003\n\n";
        for (int i = 0; i < kPrinters; ++i) {
            const std::string name = "Lumora " + std::to_string(1000 + i);
            const std::string key = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" + name;
            out << "[" << key << "]\n\"Name\"=\"" << name << "\"\n\"Port\"=\"IP_10.1." << i / 250 << "." << i % 250
                << "\"\n\"Printer Driver\"=\"Lumora 940 PCL\"\n\"Description\"=\"Floor " << i % 12
                << "\"\n\"Location\"=\"Building " << i % 5 << "\"\n\"Share Name\"=\"\"\n\"Print Processor\"=\"winprint\"\n"
                << "\"Datatype\"=\"RAW\"\n\"Parameters\"=\"\"\n\"Separator File\"=\"\"\n\"Attributes\"=dword:00000040\n"
                << "\"Priority\"=dword:00000001\n\"Default Priority\"=dword:00000000\n\"StartTime\"=dword:00000000\n"
                << "\"UntilTime\"=dword:00000000\n\"Status\"=dword:00000000\n\n[" << key << "\\PrinterDriverData]\n"
                << "\"SNMP Community\"=\"public\"\n\n";
        }
        out.close();
        char error[256] = {};
        if (MfpRegImportFileA(file.c_str(), error, sizeof error) != ERROR_SUCCESS) {
            std::fprintf(stderr, "cannot import the fleet: %s\n", error);
            std::abort();
        }
    }
    ~Fleet() { std::filesystem::remove_all(root_); }

private:
    std::string root_;
};

Fleet &TheFleet()
{
    static Fleet fleet;
    return fleet;
}

std::vector<BYTE> EnumerateLevel2(DWORD &count)
{
    DWORD needed = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, buffer.data(), needed, &needed,
                       &count))
        std::abort();
    return buffer;
}

void BM_EnumPrintersLevel2(benchmark::State &state)
{
    TheFleet();
    DWORD count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(EnumerateLevel2(count));
    if (count != kPrinters)
        state.SkipWithError("wrong number of printers");
    state.counters["printers"] = count;
}
BENCHMARK(BM_EnumPrintersLevel2)->Unit(benchmark::kMillisecond);

void BM_EnumPrintersLevel2AndFormat(benchmark::State &state)
{
    TheFleet();
    for (auto _ : state) {
        DWORD count = 0;
        const auto buffer = EnumerateLevel2(count);
        const auto *printers = reinterpret_cast<const PRINTER_INFO_2A *>(buffer.data());
        std::ostringstream out;
        for (DWORD i = 0; i < count; ++i)
            out << printers[i].pPrinterName << "  " << printers[i].pPortName << "  " << printers[i].pDriverName
                << "  " << printers[i].Attributes << "\n";
        benchmark::DoNotOptimize(out.str());
    }
}
BENCHMARK(BM_EnumPrintersLevel2AndFormat)->Unit(benchmark::kMillisecond);

void BM_MfpctlPrinterListProcess(benchmark::State &state)
{
    TheFleet();
    const std::string command = std::string("'") + MFPCTL_PATH + "' printer list > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("mfpctl printer list failed");
}
BENCHMARK(BM_MfpctlPrinterListProcess)->Unit(benchmark::kMillisecond);

}  // namespace
