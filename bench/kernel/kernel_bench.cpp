// Costs of the kernel calls the libraries make often: global-heap blocks (one per box entry),
// event hand-offs between threads, named-event open and close, and process start to end.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <unistd.h>

#include "mfpwin.h"

namespace {

// Every named-event benchmark works in a throw-away root.
class BenchRoot {
public:
    BenchRoot()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "mfp-bench-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        setenv("MFP_ROOT", path_.c_str(), 1);
    }
    ~BenchRoot() { std::filesystem::remove_all(path_); }

private:
    std::filesystem::path path_;
};

void GlobalAllocFree(benchmark::State &state)
{
    for (auto _ : state) {
        HGLOBAL entry = GlobalAlloc(GMEM_ZEROINIT, 144);
        benchmark::DoNotOptimize(GlobalLock(entry));
        GlobalFree(entry);
    }
}
BENCHMARK(GlobalAllocFree);

// Round trips between two threads over two auto-reset events.
void EventPingPong(benchmark::State &state)
{
    HANDLE ping = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE pong = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    std::atomic<bool> stop{false};
    std::thread partner([&] {
        for (;;) {
            WaitForSingleObject(ping, INFINITE);
            if (stop)
                break;
            SetEvent(pong);
        }
    });
    for (auto _ : state) {
        SetEvent(ping);
        WaitForSingleObject(pong, INFINITE);
    }
    stop = true;
    SetEvent(ping);
    partner.join();
    CloseHandle(ping);
    CloseHandle(pong);
}
BENCHMARK(EventPingPong);

// What a job hand-off costs: open the monitor's named event, set it, close it.
void NamedEventOpenSetClose(benchmark::State &state)
{
    BenchRoot root;
    HANDLE monitor = CreateEventA(nullptr, FALSE, FALSE, "KVJOBWATCH_MONITOR_DOCUMENT");
    for (auto _ : state) {
        HANDLE event = OpenEventA(EVENT_ALL_ACCESS, TRUE, "KVJOBWATCH_MONITOR_DOCUMENT");
        SetEvent(event);
        CloseHandle(event);
    }
    CloseHandle(monitor);
}
BENCHMARK(NamedEventOpenSetClose);

void CreateProcessAndWait(benchmark::State &state)
{
    for (auto _ : state) {
        std::string commandLine = "/bin/true";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            state.SkipWithError("CreateProcessA failed");
            break;
        }
        WaitForSingleObject(info.hProcess, INFINITE);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}
BENCHMARK(CreateProcessAndWait)->Unit(benchmark::kMicrosecond);

}  // namespace
