#include "afx_thread.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <system_error>
#include <thread>

CWinThread::CWinThread(AFX_THREADPROC procedure, LPVOID param) : procedure_(procedure), param_(param) {}

bool CWinThread::Start(DWORD flags) {
    std::shared_ptr<Shared> shared = shared_;
    try {
        std::thread([this, shared] {
            {
                std::unique_lock lock(shared->mutex);
                shared->threadId = static_cast<DWORD>(syscall(SYS_gettid));
                shared->changed.notify_all();
                shared->changed.wait(lock, [&] { return shared->released; });
            }
            UINT code = procedure_(param_);
            bool autoDelete = m_bAutoDelete;
            {
                std::lock_guard lock(shared->mutex);
                shared->exitCode = code;
                shared->ended = true;
                shared->changed.notify_all();
            }
            if (autoDelete) delete this;
        }).detach();
    } catch (const std::system_error &) {
        return false;
    }
    // The thread holds until its id is recorded here: an auto-deleting object may be gone as
    // soon as the procedure has run.
    std::unique_lock lock(shared->mutex);
    shared->changed.wait(lock, [&] { return shared->threadId != 0; });
    m_nThreadID = shared->threadId;
    if (!(flags & CREATE_SUSPENDED)) {
        shared->released = true;
        shared->changed.notify_all();
    }
    return true;
}

DWORD CWinThread::ResumeThread() {
    std::lock_guard lock(shared_->mutex);
    DWORD previousCount = shared_->released ? 0 : 1;
    shared_->released = true;
    shared_->changed.notify_all();
    return previousCount;
}

DWORD CWinThread::WaitForEnd(DWORD milliseconds) {
    std::unique_lock lock(shared_->mutex);
    auto ended = [&] { return shared_->ended; };
    if (milliseconds == INFINITE) shared_->changed.wait(lock, ended);
    else shared_->changed.wait_for(lock, std::chrono::milliseconds(milliseconds), ended);
    return shared_->ended ? 0 : 258;
}

UINT CWinThread::GetExitCode() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->exitCode;
}

CWinThread *AfxBeginThread(AFX_THREADPROC procedure, LPVOID param, int, UINT, DWORD createFlags, void *) {
    if (procedure == nullptr) return nullptr;
    auto *thread = new CWinThread(procedure, param);
    if (!thread->Start(createFlags)) {
        delete thread;
        return nullptr;
    }
    return thread;
}
