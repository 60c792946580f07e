#include "frame/module_state.h"

#include <array>

namespace mfpframe {

namespace {

thread_local ModuleState *currentState = nullptr;

}  // namespace

ModuleState *StaticModuleState()
{
    static ModuleState state;
    if (state.instance == nullptr)
        state.instance = MfpCurrentModule();
    return &state;
}

ModuleState *CurrentModuleState() { return currentState; }

ManageState::ManageState(ModuleState *state) : previous_(currentState) { currentState = state; }

ManageState::~ManageState() { currentState = previous_; }

HINSTANCE ResourceHandle()
{
    if (currentState != nullptr && currentState->instance != nullptr)
        return currentState->instance;
    return GetModuleHandleA(nullptr);
}

std::string LoadResourceString(UINT id)
{
    std::array<char, 1024> buffer{};
    const int length = LoadStringA(ResourceHandle(), id, buffer.data(), static_cast<int>(buffer.size()));
    return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : std::string();
}

}  // namespace mfpframe
