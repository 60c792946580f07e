#include "user/window_table.h"

#include <map>

namespace mfpwin::user {
namespace {

struct WindowTable {
    std::map<UINT_PTR, std::shared_ptr<Window>> windows;
    UINT_PTR nextHandle = 0x10010;
};

// Never destroyed: windows may still be looked up while the process exits.
WindowTable &Table() {
    static WindowTable *table = new WindowTable;
    return *table;
}

}  // namespace

std::recursive_mutex &WindowTableMutex() {
    static std::recursive_mutex *mutex = new std::recursive_mutex;
    return *mutex;
}

HWND AddWindowRecord(std::shared_ptr<Window> window) {
    std::lock_guard lock(WindowTableMutex());
    WindowTable &table = Table();
    UINT_PTR value = table.nextHandle;
    table.nextHandle += 4;
    window->handle = reinterpret_cast<HWND>(value);
    table.windows.emplace(value, std::move(window));
    return reinterpret_cast<HWND>(value);
}

void RemoveWindowRecord(HWND handle) {
    std::lock_guard lock(WindowTableMutex());
    Table().windows.erase(reinterpret_cast<UINT_PTR>(handle));
}

std::shared_ptr<Window> FindWindowRecord(HWND handle) {
    std::lock_guard lock(WindowTableMutex());
    auto found = Table().windows.find(reinterpret_cast<UINT_PTR>(handle));
    return found == Table().windows.end() ? nullptr : found->second;
}

std::vector<std::shared_ptr<Window>> AllWindowRecords() {
    std::lock_guard lock(WindowTableMutex());
    std::vector<std::shared_ptr<Window>> result;
    for (auto &entry : Table().windows) result.push_back(entry.second);
    return result;
}

}  // namespace mfpwin::user

namespace mfpwin::user {

void SetWindowState(HWND handle, std::unique_ptr<WindowState> state) {
    std::shared_ptr<Window> window = FindWindowRecord(handle);
    if (!window) return;
    std::unique_ptr<WindowState> previous;
    {
        std::lock_guard lock(WindowTableMutex());
        previous = std::move(window->state);
        window->state = std::move(state);
    }
}

}  // namespace mfpwin::user
