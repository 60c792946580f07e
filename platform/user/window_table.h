// Every live window of the process, by handle. Handles are never reused, so a stale handle
// is simply not found.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "user/window.h"

namespace mfpwin::user {

std::recursive_mutex &WindowTableMutex();

// Registers the window and gives it its handle.
HWND AddWindowRecord(std::shared_ptr<Window> window);
void RemoveWindowRecord(HWND handle);
std::shared_ptr<Window> FindWindowRecord(HWND handle);
// Every live window, oldest first.
std::vector<std::shared_ptr<Window>> AllWindowRecords();

// The state object of a window when it is of the given kind, else nullptr. Only the owning
// thread may use the result, and only while the window lives.
template <typename StateType>
StateType *StateOf(HWND handle) {
    std::shared_ptr<Window> window = FindWindowRecord(handle);
    if (!window) return nullptr;
    std::lock_guard lock(WindowTableMutex());
    return dynamic_cast<StateType *>(window->state.get());
}

}  // namespace mfpwin::user

namespace mfpwin::user {

// Gives a window its control or dialog state (replacing any earlier one).
void SetWindowState(HWND handle, std::unique_ptr<WindowState> state);

// A predefined control's state: created on first use by the control's own procedure.
template <typename StateType>
StateType &EnsureStateOf(HWND handle) {
    if (StateType *existing = StateOf<StateType>(handle)) return *existing;
    auto created = std::make_unique<StateType>();
    StateType &reference = *created;
    SetWindowState(handle, std::move(created));
    return reference;
}

}  // namespace mfpwin::user
