#include "kernel/event_object.h"

#include <climits>

#include "kernel/futex.h"

namespace mfpwin {

void EventObject::Initialise(EventState &state, bool manualReset, bool initialState)
{
    state.manualReset = manualReset ? 1 : 0;
    state.signaled.store(initialState ? 1 : 0);
    state.magic = EventStateMagic;
}

std::shared_ptr<EventObject> EventObject::CreateUnnamed(bool manualReset, bool initialState)
{
    auto state = std::make_shared<EventState>();
    Initialise(*state, manualReset, initialState);
    EventState *raw = state.get();
    return std::make_shared<EventObject>(raw, std::move(state));
}

void EventObject::Set()
{
    state_->signaled.store(1);
    // An auto-reset event releases one waiter; if another thread takes the signal first, the
    // woken waiter finds the word clear again and goes back to sleep.
    FutexWake(&state_->signaled, state_->manualReset ? INT_MAX : 1);
}

void EventObject::Reset() { state_->signaled.store(0); }

bool EventObject::IsSignaled() { return state_->signaled.load() != 0; }

bool EventObject::TryAcquire()
{
    if (state_->manualReset)
        return IsSignaled();
    uint32_t expected = 1;
    return state_->signaled.compare_exchange_strong(expected, 0);
}

void EventObject::Restore()
{
    if (!state_->manualReset)
        Set();
}

bool EventObject::WaitUntil(const Deadline &deadline)
{
    return FutexWaitFor(&state_->signaled, 0, deadline, [this] { return TryAcquire(); });
}

}  // namespace mfpwin
