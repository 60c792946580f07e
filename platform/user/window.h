// The window manager's record of one window and of one window class. Records live in the window
// table (window_table.h); a window's fields are read and written under the table's lock, and its
// control or dialog state only on the thread that owns the window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mfpwin/user.h"

namespace mfpwin::user {

// Per-window state of a predefined control or of a dialog; owned by the window.
class WindowState {
public:
    virtual ~WindowState() = default;
};

struct WindowClass {
    std::string name;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    UINT style = 0;
    int windowExtraBytes = 0;
    HCURSOR cursor = nullptr;
    bool predefined = false;
};

struct Window {
    HWND handle = nullptr;
    DWORD threadId = 0;
    std::shared_ptr<WindowClass> windowClass;
    WNDPROC procedure = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    HWND parent = nullptr;  // child windows: the parent; pop-ups: nullptr
    HWND owner = nullptr;   // pop-ups: the owner window
    int id = 0;
    RECT rect{};            // screen coordinates for pop-ups, parent client coordinates for children
    HINSTANCE instance = nullptr;
    HFONT font = nullptr;
    LONG_PTR userData = 0;  // GWLP_USERDATA
    std::vector<LONG_PTR> extra;  // the class's extra window bytes, and a dialog's DWLP_ slots
    std::vector<HWND> children;   // in creation (template) order
    std::unique_ptr<WindowState> state;
    bool destroying = false;
};

}  // namespace mfpwin::user
