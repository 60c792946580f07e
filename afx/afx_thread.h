// Worker threads of the class library.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

#include "mfpwin.h"

typedef UINT (*AFX_THREADPROC)(LPVOID);

#define THREAD_PRIORITY_NORMAL 0
#ifndef CREATE_SUSPENDED
#define CREATE_SUSPENDED 0x00000004
#endif
#ifndef INFINITE
#define INFINITE 0xFFFFFFFF
#endif

class CWinThread {
public:
    CWinThread(AFX_THREADPROC procedure, LPVOID param);
    virtual ~CWinThread() = default;

    DWORD m_nThreadID = 0;
    // TRUE (the default): the object deletes itself when the thread ends; set it to FALSE
    // before the thread runs (create suspended) to wait for the thread and read its exit code.
    BOOL m_bAutoDelete = TRUE;

    DWORD ResumeThread();
    // Waits for the thread's end: WAIT_OBJECT_0 (0) when it ended, WAIT_TIMEOUT (258) otherwise.
    DWORD WaitForEnd(DWORD milliseconds = INFINITE);
    // The procedure's result once the thread has ended.
    UINT GetExitCode() const;

    bool Start(DWORD flags);

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        bool released = false;
        bool ended = false;
        DWORD threadId = 0;
        UINT exitCode = 0;
    };
    AFX_THREADPROC procedure_;
    LPVOID param_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};

// Starts procedure(param) on a new thread; NULL when the thread cannot be started.
CWinThread *AfxBeginThread(AFX_THREADPROC procedure, LPVOID param, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD createFlags = 0, void *security = nullptr);
