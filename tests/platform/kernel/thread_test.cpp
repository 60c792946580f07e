#include <gtest/gtest.h>

#include <atomic>

#include "mfpwin.h"

namespace {

struct Gate {
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<DWORD> seenThreadId{0};
    ~Gate() { CloseHandle(release); }
};

DWORD WINAPI WaitAtGate(LPVOID parameter)
{
    auto *gate = static_cast<Gate *>(parameter);
    gate->seenThreadId = GetCurrentThreadId();
    WaitForSingleObject(gate->release, INFINITE);
    return 42;
}

TEST(Threads, RunToTheirExitCodeAndSignalTheirHandle)
{
    Gate gate;
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, &threadId);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(threadId, GetCurrentThreadId());

    DWORD exitCode = 0;
    ASSERT_TRUE(GetExitCodeThread(thread, &exitCode));
    EXPECT_EQ(exitCode, STILL_ACTIVE);
    EXPECT_EQ(WaitForSingleObject(thread, 30), WAIT_TIMEOUT);

    SetEvent(gate.release);
    ASSERT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "an ended thread stays signalled";
    ASSERT_TRUE(GetExitCodeThread(thread, &exitCode));
    EXPECT_EQ(exitCode, 42u);
    EXPECT_EQ(gate.seenThreadId.load(), threadId);
    EXPECT_TRUE(CloseHandle(thread));
}

TEST(Threads, CreatedSuspendedRunOnlyAfterResume)
{
    Gate gate;
    SetEvent(gate.release);
    HANDLE thread = CreateThread(nullptr, 64 * 1024, WaitAtGate, &gate, CREATE_SUSPENDED, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 50), WAIT_TIMEOUT);
    EXPECT_EQ(gate.seenThreadId.load(), 0u);
    EXPECT_EQ(ResumeThread(thread), 1u);
    EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(ResumeThread(thread), 0u);
    CloseHandle(thread);
}

TEST(Threads, HandleMayCloseBeforeTheThreadEnds)
{
    Gate gate;
    HANDLE thread = CreateThread(nullptr, 0, WaitAtGate, &gate, 0, nullptr);
    ASSERT_TRUE(CloseHandle(thread));
    SetEvent(gate.release);
    DWORD exitCode = 0;
    EXPECT_FALSE(GetExitCodeThread(thread, &exitCode));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    Sleep(20);
}

TEST(Threads, NullStartRoutineIsRefused)
{
    EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(Waits, ForAnyReportsTheFirstSignalledAndForAllNeedsEvery)
{
    HANDLE events[3];
    for (HANDLE &event : events)
        event = CreateEventA(nullptr, FALSE, FALSE, nullptr);

    EXPECT_EQ(WaitForMultipleObjects(3, events, FALSE, 20), WAIT_TIMEOUT);
    SetEvent(events[2]);
    EXPECT_EQ(WaitForMultipleObjects(3, events, FALSE, 1000), WAIT_OBJECT_0 + 2);
    EXPECT_EQ(WaitForSingleObject(events[2], 0), WAIT_TIMEOUT) << "the wait took the auto-reset signal";

    SetEvent(events[0]);
    SetEvent(events[1]);
    EXPECT_EQ(WaitForMultipleObjects(3, events, TRUE, 20), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(events[0], 0), WAIT_OBJECT_0) << "a failed wait-all takes nothing";
    SetEvent(events[0]);
    SetEvent(events[2]);
    EXPECT_EQ(WaitForMultipleObjects(3, events, TRUE, 1000), WAIT_OBJECT_0);
    for (HANDLE event : events)
        EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);

    Gate gate;
    HANDLE mixed[2] = {events[0], CreateThread(nullptr, 0, WaitAtGate, &gate, 0, nullptr)};
    SetEvent(gate.release);
    EXPECT_EQ(WaitForMultipleObjects(2, mixed, FALSE, 5000), WAIT_OBJECT_0 + 1) << "threads and events together";
    CloseHandle(mixed[1]);

    EXPECT_EQ(WaitForMultipleObjects(0, events, FALSE, 0), WAIT_FAILED);
    HANDLE withBadHandle[2] = {events[0], nullptr};
    EXPECT_EQ(WaitForMultipleObjects(2, withBadHandle, FALSE, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    for (HANDLE event : events)
        CloseHandle(event);
}

TEST(Clock, TickCountAdvancesWithSleep)
{
    DWORD before = GetTickCount();
    ULONGLONG before64 = GetTickCount64();
    Sleep(30);
    EXPECT_GE(GetTickCount() - before, 30u);
    EXPECT_GE(GetTickCount64() - before64, 30u);
    EXPECT_EQ(GetCurrentProcessId(), static_cast<DWORD>(getpid()));
}

}  // namespace
