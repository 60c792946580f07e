// Per-thread message queues: posted messages, and messages sent from other threads whose senders
// wait for the answer. Every loop of the owning thread handles sent messages before anything else.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "mfpwin/user.h"

namespace mfpwin::user {

struct ThreadQueue;

struct SentMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
    bool done = false;  // guarded by the sender's queue mutex
    std::shared_ptr<ThreadQueue> sender;
};

struct ThreadQueue {
    DWORD threadId = 0;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool alive = true;
    bool quitPosted = false;
    int quitCode = 0;
    int handlingSent = 0;  // > 0 while a message from another thread is being handled
};

// The calling thread's queue (created on first use).
std::shared_ptr<ThreadQueue> CurrentQueue();
// Another thread's queue, or nullptr when that thread never used windows or has ended.
std::shared_ptr<ThreadQueue> QueueOfThread(DWORD threadId);

// Calls the window's procedure on this thread (the window must belong to it).
LRESULT CallWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Delivers to the window's own thread: directly when that is the caller, else queued and waited for.
LRESULT DeliverMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool PostToThread(DWORD threadId, const MSG &message);

// Handles every message other threads have sent to the calling thread; true if there were any.
bool HandleSentMessages();
// Takes (or, without remove, copies) the first posted message that passes the filter.
bool TakePostedMessage(MSG *message, HWND window, UINT filterMin, UINT filterMax, bool remove);
// Blocks until a message is sent or posted to this thread, or until done() holds (checked under
// the queue's lock; whoever makes it true calls WakeThread).
void WaitForMessages(const std::function<bool()> &done);
void WakeThread(DWORD threadId);

}  // namespace mfpwin::user
