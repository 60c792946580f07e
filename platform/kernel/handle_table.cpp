#include "kernel/kernel_object.h"

#include <mutex>
#include <unordered_map>

namespace mfpwin {

namespace {

// Handle values are multiples of 4 from a base that keeps them clear of null, the pseudo
// handles (-1, -2) and small integers that callers might confuse with handles.
constexpr uintptr_t FirstHandleValue = 0x10000;

struct HandleTable {
    std::mutex mutex;
    std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>> objects;
    uintptr_t nextValue = FirstHandleValue;
};

HandleTable &Table()
{
    static HandleTable *table = new HandleTable;  // lives until exit, so late closes stay safe
    return *table;
}

}  // namespace

Deadline DeadlineAfter(DWORD milliseconds)
{
    if (milliseconds == 0xFFFFFFFFu)
        return std::nullopt;
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
}

HANDLE InsertHandle(std::shared_ptr<KernelObject> object)
{
    HandleTable &table = Table();
    std::lock_guard lock(table.mutex);
    uintptr_t value = table.nextValue;
    table.nextValue += 4;
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> LookupHandle(HANDLE handle)
{
    HandleTable &table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.objects.find(reinterpret_cast<uintptr_t>(handle));
    return found == table.objects.end() ? nullptr : found->second;
}

bool RemoveHandle(HANDLE handle)
{
    std::shared_ptr<KernelObject> released;  // destroyed after the lock is dropped
    HandleTable &table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.objects.find(reinterpret_cast<uintptr_t>(handle));
    if (found == table.objects.end())
        return false;
    released = std::move(found->second);
    table.objects.erase(found);
    return true;
}

}  // namespace mfpwin
