#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "child_process.h"
#include "mfpwin.h"
#include "tests/support/temp_root.h"

namespace {

struct Waiters {
    std::atomic<int> released{0};
    std::vector<std::thread> threads;

    void Start(HANDLE event, int count, DWORD timeout)
    {
        for (int i = 0; i < count; ++i)
            threads.emplace_back([this, event, timeout] {
                if (WaitForSingleObject(event, timeout) == WAIT_OBJECT_0)
                    ++released;
            });
    }
    void Join()
    {
        for (std::thread &thread : threads)
            thread.join();
    }
};

struct ResetCase {
    const char *name;
    BOOL manualReset;
    int releasedBySet;
    bool signaledAfterwards;
};

class EventReset : public testing::TestWithParam<ResetCase> {};

TEST_P(EventReset, SetReleasesWaitersAccordingToTheResetKind)
{
    const ResetCase &c = GetParam();
    mfptest::TempRoot root;
    for (LPCSTR name : {static_cast<LPCSTR>(nullptr), "Waiters-Event"}) {
        HANDLE event = CreateEventA(nullptr, c.manualReset, FALSE, name);
        ASSERT_NE(event, nullptr);
        Waiters waiters;
        waiters.Start(event, 3, 1500);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // let them block
        ASSERT_TRUE(SetEvent(event));
        waiters.Join();
        EXPECT_EQ(waiters.released.load(), c.releasedBySet) << (name ? name : "unnamed");
        EXPECT_EQ(WaitForSingleObject(event, 0), c.signaledAfterwards ? WAIT_OBJECT_0 : WAIT_TIMEOUT);
        EXPECT_TRUE(CloseHandle(event));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, EventReset,
                         testing::Values(ResetCase{"ManualResetReleasesAll", TRUE, 3, true},
                                         ResetCase{"AutoResetReleasesOne", FALSE, 1, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Events, InitialStateResetAndTimeouts)
{
    HANDLE manual = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(manual, INFINITE), WAIT_OBJECT_0) << "manual reset stays signalled";
    ASSERT_TRUE(ResetEvent(manual));
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitForSingleObject(manual, 50), WAIT_TIMEOUT);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));

    HANDLE automatic = CreateEventA(nullptr, FALSE, TRUE, nullptr);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_TIMEOUT) << "the first wait took the signal";
    CloseHandle(manual);
    CloseHandle(automatic);
}

TEST(Events, BadHandlesFail)
{
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(CloseHandle(event));
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(CloseHandle(event));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(SetEvent(event));
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_FAILED);
    EXPECT_EQ(WaitForSingleObject(nullptr, 0), WAIT_FAILED);

    HANDLE thread = CreateThread(nullptr, 0, [](LPVOID) -> DWORD { return 0; }, nullptr, 0, nullptr);
    EXPECT_FALSE(SetEvent(thread)) << "a thread is not an event";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
}

TEST(NamedEvents, CreateOpensAnExistingNameAndOpenFindsOnlyLiveNames)
{
    mfptest::TempRoot root;
    SetLastError(ERROR_INVALID_DATA);
    HANDLE first = CreateEventA(nullptr, TRUE, FALSE, "--server-Laser");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));

    HANDLE second = CreateEventA(nullptr, FALSE, TRUE, "--server-Laser");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(WaitForSingleObject(second, 0), WAIT_TIMEOUT) << "the existing event keeps its state";

    HANDLE opened = OpenEventA(EVENT_ALL_ACCESS, TRUE, "--server-Laser");
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(SetEvent(opened));
    EXPECT_EQ(WaitForSingleObject(first, 0), WAIT_OBJECT_0) << "one event behind all three handles";
    EXPECT_EQ(WaitForSingleObject(second, 0), WAIT_OBJECT_0) << "and it is manual-reset, as first created";

    for (HANDLE handle : {first, second, opened})
        CloseHandle(handle);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(OpenEventA(EVENT_ALL_ACCESS, FALSE, "--server-Laser"), nullptr) << "gone with its last handle";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(NamedEvents, NamesAreValidatedAndKeptApartPerRoot)
{
    mfptest::TempRoot first;
    HANDLE event = CreateEventA(nullptr, TRUE, TRUE, "Global\\Shared.Name");
    ASSERT_NE(event, nullptr);
    HANDLE local = OpenEventA(SYNCHRONIZE, FALSE, "Local\\Shared.Name");
    ASSERT_NE(local, nullptr) << "one namespace for Global\\ and Local\\";
    CloseHandle(local);

    {
        mfptest::TempRoot second;
        EXPECT_EQ(OpenEventA(SYNCHRONIZE, FALSE, "Global\\Shared.Name"), nullptr) << "another root, another namespace";
    }

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(CreateEventA(nullptr, TRUE, FALSE, "a\\b"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(CreateEventA(nullptr, TRUE, FALSE, std::string(MAX_PATH + 1, 'x').c_str()), nullptr);
    EXPECT_EQ(OpenEventA(SYNCHRONIZE, FALSE, nullptr), nullptr);

    // Long names and names with unusual characters stay distinct.
    std::string longName(MAX_PATH, 'n');
    HANDLE longEvent = CreateEventA(nullptr, TRUE, FALSE, longName.c_str());
    ASSERT_NE(longEvent, nullptr);
    longName.back() = 'm';
    EXPECT_EQ(OpenEventA(SYNCHRONIZE, FALSE, longName.c_str()), nullptr);
    HANDLE odd = CreateEventA(nullptr, TRUE, FALSE, "..");
    ASSERT_NE(odd, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    HANDLE lockName = CreateEventA(nullptr, TRUE, FALSE, ".lock");
    ASSERT_NE(lockName, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    for (HANDLE handle : {event, longEvent, odd, lockName})
        CloseHandle(handle);
}

TEST(NamedEventsAcrossProcesses, ChildSeesTheParentsSetAndParentSeesTheChilds)
{
    mfptest::TempRoot root;
    HANDLE toChild = CreateEventA(nullptr, FALSE, FALSE, "KVJOBWATCH_MONITOR_DOCUMENT");
    HANDLE toParent = CreateEventA(nullptr, FALSE, FALSE, "reply");
    ASSERT_NE(toChild, nullptr);

    ChildProcess child([](ChildProcess &) {
        HANDLE event = OpenEventA(EVENT_ALL_ACCESS, TRUE, "KVJOBWATCH_MONITOR_DOCUMENT");
        HANDLE reply = OpenEventA(EVENT_MODIFY_STATE, FALSE, "reply");
        if (!event || !reply)
            return 2;
        if (WaitForSingleObject(event, 5000) != WAIT_OBJECT_0)
            return 3;
        SetEvent(reply);
        CloseHandle(event);
        CloseHandle(reply);
        return 0;
    });
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(SetEvent(toChild));
    EXPECT_EQ(WaitForSingleObject(toParent, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(child.Wait(), 0);

    // The child's closes did not take the names away from this process.
    HANDLE again = OpenEventA(SYNCHRONIZE, FALSE, "KVJOBWATCH_MONITOR_DOCUMENT");
    EXPECT_NE(again, nullptr);
    for (HANDLE handle : {toChild, toParent, again})
        CloseHandle(handle);
}

TEST(NamedEventsAcrossProcesses, AutoResetReleasesExactlyOneProcess)
{
    mfptest::TempRoot root;
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, "one-at-a-time");
    auto waiter = [](ChildProcess &self) {
        HANDLE opened = OpenEventA(SYNCHRONIZE, FALSE, "one-at-a-time");
        if (!opened)
            return 2;
        self.TellParent();
        return WaitForSingleObject(opened, 1500) == WAIT_OBJECT_0 ? 0 : 1;
    };
    ChildProcess first(waiter);
    ChildProcess second(waiter);
    ASSERT_TRUE(first.AwaitChild());
    ASSERT_TRUE(second.AwaitChild());
    ASSERT_TRUE(SetEvent(event));
    int firstStatus = first.Wait();
    int secondStatus = second.Wait();
    EXPECT_EQ(std::min(firstStatus, secondStatus), 0);
    EXPECT_EQ(std::max(firstStatus, secondStatus), 1) << "the other waiter timed out";
    CloseHandle(event);
}

TEST(NamedEventsAcrossProcesses, ManualResetReleasesEveryProcess)
{
    mfptest::TempRoot root;
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, "everyone");
    auto waiter = [](ChildProcess &self) {
        HANDLE opened = OpenEventA(SYNCHRONIZE, FALSE, "everyone");
        self.TellParent();
        return opened && WaitForSingleObject(opened, 5000) == WAIT_OBJECT_0 ? 0 : 1;
    };
    ChildProcess first(waiter);
    ChildProcess second(waiter);
    ASSERT_TRUE(first.AwaitChild());
    ASSERT_TRUE(second.AwaitChild());
    ASSERT_TRUE(SetEvent(event));
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(second.Wait(), 0);
    CloseHandle(event);
}

TEST(NamedEventsAcrossProcesses, ExistingNameAndItsStateComeFromTheOtherProcess)
{
    mfptest::TempRoot root;
    ChildProcess owner([](ChildProcess &self) {
        HANDLE event = CreateEventA(nullptr, TRUE, TRUE, "owned-elsewhere");
        self.TellParent();
        self.AwaitParent();
        return event ? 0 : 1;
    });
    ASSERT_TRUE(owner.AwaitChild());
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, "owned-elsewhere");
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0) << "created signalled, manual reset";
    owner.TellChild();
    EXPECT_EQ(owner.Wait(), 0);
    CloseHandle(event);
}

TEST(NamedEventsAcrossProcesses, NameDiesWithTheProcessThatHeldIt)
{
    mfptest::TempRoot root;
    ChildProcess creator([](ChildProcess &) {
        // Ends without closing, as a crashed job monitor would.
        return CreateEventA(nullptr, TRUE, TRUE, "crashed-monitor") ? 0 : 1;
    });
    ASSERT_EQ(creator.Wait(), 0);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(OpenEventA(EVENT_ALL_ACCESS, FALSE, "crashed-monitor"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    HANDLE fresh = CreateEventA(nullptr, FALSE, FALSE, "crashed-monitor");
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS)) << "a new event, not the dead one";
    EXPECT_EQ(WaitForSingleObject(fresh, 0), WAIT_TIMEOUT);
    CloseHandle(fresh);
}

}  // namespace
