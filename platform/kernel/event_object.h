// Events: a signalled word that waiters sleep on. Manual-reset events stay signalled and release
// every waiter; auto-reset events release one waiter and reset themselves.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "kernel/kernel_object.h"

namespace mfpwin {

// The state of one event; for a named event it lives in a file mapped by every process that
// has the event open.
struct EventState {
    uint32_t magic;
    uint32_t manualReset;
    std::atomic<uint32_t> signaled;
};

constexpr uint32_t EventStateMagic = 0x45564e54;  // "EVNT"

class EventObject : public KernelObject {
public:
    // backing keeps the state's memory (and, for named events, its file) alive.
    EventObject(EventState *state, std::shared_ptr<void> backing) : state_(state), backing_(std::move(backing)) {}

    static std::shared_ptr<EventObject> CreateUnnamed(bool manualReset, bool initialState);
    static void Initialise(EventState &state, bool manualReset, bool initialState);

    void Set();
    void Reset();

    bool IsSignaled() override;
    bool TryAcquire() override;
    void Restore() override;
    bool WaitUntil(const Deadline &deadline) override;

private:
    EventState *state_;
    std::shared_ptr<void> backing_;
};

}  // namespace mfpwin
