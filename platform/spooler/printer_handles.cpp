#include "printer_handles.h"

#include <mutex>
#include <unordered_map>

#include "mfpwin/kernel.h"

namespace mfpwin::spooler {

namespace {

struct HandleTable {
    std::mutex lock;
    std::unordered_map<uintptr_t, PrinterLocation> open;
    uintptr_t next = 0x5000;  // distinct from small integers and from null
};

HandleTable &Table()
{
    static HandleTable table;
    return table;
}

}  // namespace

HANDLE NewPrinterHandle(const PrinterLocation &location)
{
    auto &table = Table();
    std::lock_guard guard(table.lock);
    const uintptr_t value = table.next;
    table.next += 8;
    table.open.emplace(value, location);
    return reinterpret_cast<HANDLE>(value);
}

std::optional<PrinterLocation> LookUpPrinterHandle(HANDLE handle)
{
    auto &table = Table();
    std::lock_guard guard(table.lock);
    const auto found = table.open.find(reinterpret_cast<uintptr_t>(handle));
    if (found == table.open.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return std::nullopt;
    }
    return found->second;
}

bool ReleasePrinterHandle(HANDLE handle)
{
    auto &table = Table();
    std::lock_guard guard(table.lock);
    return table.open.erase(reinterpret_cast<uintptr_t>(handle)) == 1;
}

}  // namespace mfpwin::spooler
