// Per-module state of a driver library and the switch that makes it current for one call.
//
// Every library carries its own copy of this frame, so "this library's state" is the state of
// the library the code is compiled into. While a library's state is current on a thread,
// resources (strings, dialog templates) are taken from that library; with no state made current
// they come from the calling program, as they would for any code outside a library.
#pragma once

#include <string>

#include "mfpwin.h"

namespace mfpframe {

class CWinApp;

struct ModuleState {
    HINSTANCE instance = nullptr;  // the library's module handle
    CWinApp *app = nullptr;        // its application object
};

// The state of the library this code is compiled into.
ModuleState *StaticModuleState();
// The state current on the calling thread; null when no library state was made current.
ModuleState *CurrentModuleState();

// Makes a module state current for the lifetime of the object and restores the previous one
// on every path out of the scope.
class ManageState {
public:
    explicit ManageState(ModuleState *state);
    ~ManageState();
    ManageState(const ManageState &) = delete;
    ManageState &operator=(const ManageState &) = delete;

private:
    ModuleState *previous_;
};

// Where resources are taken from now: the current state's module, else the calling program.
HINSTANCE ResourceHandle();
// A string resource of the current resource module ("" when it has none).
std::string LoadResourceString(UINT id);

}  // namespace mfpframe

// Makes this library's module state current until the end of the enclosing scope.
#define MFP_MANAGE_STATE() ::mfpframe::ManageState mfpManageState_(::mfpframe::StaticModuleState())
