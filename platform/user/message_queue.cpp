#include "user/message_queue.h"

#include <map>

#include "mfpwin/kernel.h"
#include "user/thread_id.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

std::mutex &RegistryMutex() {
    static std::mutex *mutex = new std::mutex;
    return *mutex;
}

std::map<DWORD, std::shared_ptr<ThreadQueue>> &Registry() {
    static auto *registry = new std::map<DWORD, std::shared_ptr<ThreadQueue>>;
    return *registry;
}

void Complete(const std::shared_ptr<SentMessage> &sent, LRESULT result) {
    std::lock_guard lock(sent->sender->mutex);
    sent->result = result;
    sent->done = true;
    sent->sender->wake.notify_all();
}

void DestroyThreadWindows(DWORD threadId) {
    for (const auto &window : AllWindowRecords()) {
        bool ownedTopLevel;
        {
            std::lock_guard lock(WindowTableMutex());
            ownedTopLevel = window->threadId == threadId && window->parent == nullptr && !window->destroying;
        }
        if (ownedTopLevel) DestroyWindow(window->handle);
    }
}

// Ends the thread's part in the window system when the thread exits: its windows are destroyed
// and senders still waiting for it are released with 0.
struct QueueHolder {
    std::shared_ptr<ThreadQueue> queue;
    ~QueueHolder() {
        if (!queue) return;
        DestroyThreadWindows(queue->threadId);
        std::deque<std::shared_ptr<SentMessage>> pending;
        {
            std::lock_guard lock(queue->mutex);
            queue->alive = false;
            pending.swap(queue->sent);
        }
        for (auto &sent : pending) Complete(sent, 0);
        std::lock_guard lock(RegistryMutex());
        Registry().erase(queue->threadId);
    }
};

bool PassesFilter(const MSG &message, HWND window, UINT filterMin, UINT filterMax) {
    if (window != nullptr && message.hwnd != window) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return message.message >= filterMin && message.message <= filterMax;
}

}  // namespace

std::shared_ptr<ThreadQueue> CurrentQueue() {
    thread_local QueueHolder holder;
    if (!holder.queue) {
        holder.queue = std::make_shared<ThreadQueue>();
        holder.queue->threadId = CurrentThreadId();
        std::lock_guard lock(RegistryMutex());
        Registry()[holder.queue->threadId] = holder.queue;
    }
    return holder.queue;
}

std::shared_ptr<ThreadQueue> QueueOfThread(DWORD threadId) {
    std::lock_guard lock(RegistryMutex());
    auto found = Registry().find(threadId);
    return found == Registry().end() ? nullptr : found->second;
}

LRESULT CallWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<Window> record = FindWindowRecord(window);
    if (!record) return 0;
    WNDPROC procedure;
    {
        std::lock_guard lock(WindowTableMutex());
        procedure = record->procedure;
    }
    return procedure ? procedure(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT DeliverMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<Window> record = FindWindowRecord(window);
    if (!record) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    DWORD owner;
    {
        std::lock_guard lock(WindowTableMutex());
        owner = record->threadId;
    }
    if (owner == CurrentThreadId()) return CallWindowProcedure(window, message, wParam, lParam);

    std::shared_ptr<ThreadQueue> target = QueueOfThread(owner);
    if (!target) return 0;
    auto sent = std::make_shared<SentMessage>(SentMessage{window, message, wParam, lParam, 0, false, CurrentQueue()});
    {
        std::lock_guard lock(target->mutex);
        if (!target->alive) return 0;
        target->sent.push_back(sent);
        target->wake.notify_all();
    }
    // While waiting, answer what others send to this thread, so two threads sending to each
    // other do not block each other.
    std::shared_ptr<ThreadQueue> self = sent->sender;
    for (;;) {
        {
            std::unique_lock lock(self->mutex);
            self->wake.wait(lock, [&] { return sent->done || !self->sent.empty(); });
            if (sent->done) return sent->result;
        }
        HandleSentMessages();
    }
}

bool PostToThread(DWORD threadId, const MSG &message) {
    std::shared_ptr<ThreadQueue> target = threadId == CurrentThreadId() ? CurrentQueue() : QueueOfThread(threadId);
    if (!target) return false;
    std::lock_guard lock(target->mutex);
    if (!target->alive) return false;
    target->posted.push_back(message);
    target->wake.notify_all();
    return true;
}

bool HandleSentMessages() {
    std::shared_ptr<ThreadQueue> self = CurrentQueue();
    bool any = false;
    for (;;) {
        std::shared_ptr<SentMessage> sent;
        {
            std::lock_guard lock(self->mutex);
            if (self->sent.empty()) return any;
            sent = self->sent.front();
            self->sent.pop_front();
            ++self->handlingSent;
        }
        any = true;
        LRESULT result = CallWindowProcedure(sent->window, sent->message, sent->wParam, sent->lParam);
        {
            std::lock_guard lock(self->mutex);
            --self->handlingSent;
        }
        Complete(sent, result);
    }
}

bool TakePostedMessage(MSG *message, HWND window, UINT filterMin, UINT filterMax, bool remove) {
    std::shared_ptr<ThreadQueue> self = CurrentQueue();
    std::lock_guard lock(self->mutex);
    for (auto it = self->posted.begin(); it != self->posted.end(); ++it) {
        if (!PassesFilter(*it, window, filterMin, filterMax)) continue;
        *message = *it;
        if (remove) self->posted.erase(it);
        return true;
    }
    if (self->quitPosted && ((filterMin == 0 && filterMax == 0) || (WM_QUIT >= filterMin && WM_QUIT <= filterMax))) {
        *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(self->quitCode), 0, 0, {0, 0}};
        if (remove) self->quitPosted = false;
        return true;
    }
    return false;
}

void WaitForMessages(const std::function<bool()> &done) {
    std::shared_ptr<ThreadQueue> self = CurrentQueue();
    std::unique_lock lock(self->mutex);
    self->wake.wait(lock, [&] { return done() || !self->sent.empty() || !self->posted.empty() || self->quitPosted; });
}

void WakeThread(DWORD threadId) {
    std::shared_ptr<ThreadQueue> target = QueueOfThread(threadId);
    if (!target) return;
    std::lock_guard lock(target->mutex);
    target->wake.notify_all();
}

}  // namespace mfpwin::user
