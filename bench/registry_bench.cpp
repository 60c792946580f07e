// One registry value read the way the libraries read their settings: open the key, query the
// value into a fixed buffer, close the key. Runs against a fresh root with a realistically deep
// key path, and against a populated key for the enumeration cost.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "mfpwin.h"

namespace {

constexpr const char *kKeyPath = "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Standard TCP/IP Port\\Ports\\IP_10.0.0.5";

class BenchRoot {
public:
    BenchRoot()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "mfp-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
        setenv("MFP_ROOT", path_.c_str(), 1);
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        const char address[] = "10.0.0.5";
        RegSetValueExA(key, "IP_Address", 0, REG_SZ, reinterpret_cast<const BYTE *>(address), sizeof address);
        for (int i = 0; i < 200; ++i) {
            HKEY child = nullptr;
            RegCreateKeyExA(key, ("Sub" + std::to_string(i)).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child,
                            nullptr);
            RegCloseKey(child);
        }
        RegCloseKey(key);
    }
    ~BenchRoot() { std::filesystem::remove_all(path_); }

private:
    std::filesystem::path path_;
};

void BM_ReadOneValue(benchmark::State &state)
{
    BenchRoot root;
    for (auto _ : state) {
        HKEY key = nullptr;
        char address[260];
        DWORD size = sizeof address;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS ||
            RegQueryValueExA(key, "IP_Address", nullptr, nullptr, reinterpret_cast<BYTE *>(address), &size) !=
                ERROR_SUCCESS) {
            state.SkipWithError("read failed");
            break;
        }
        RegCloseKey(key);
        benchmark::DoNotOptimize(address);
    }
}
BENCHMARK(BM_ReadOneValue);

void BM_WriteOneValue(benchmark::State &state)
{
    BenchRoot root;
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_SET_VALUE, &key);
    DWORD counter = 0;
    for (auto _ : state) {
        ++counter;
        if (RegSetValueExA(key, "Counter", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&counter), sizeof counter) !=
            ERROR_SUCCESS) {
            state.SkipWithError("write failed");
            break;
        }
    }
    RegCloseKey(key);
}
BENCHMARK(BM_WriteOneValue);

void BM_EnumerateSubkeys(benchmark::State &state)
{
    BenchRoot root;
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ, &key);
    for (auto _ : state) {
        char name[256];
        DWORD index = 0;
        for (;; ++index) {
            DWORD size = sizeof name;
            if (RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
        }
        benchmark::DoNotOptimize(index);
    }
    RegCloseKey(key);
}
BENCHMARK(BM_EnumerateSubkeys);

}  // namespace
