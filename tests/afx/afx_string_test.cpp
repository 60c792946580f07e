// The class library's own pieces: text, time, worker threads, and the module state switch.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "afx/afx.h"

namespace {

TEST(CStringTest, EditingAndComparing) {
    CString text("  Tab Printing  ");
    text.Trim();
    EXPECT_EQ(text, "Tab Printing");
    EXPECT_EQ(text.GetLength(), 12);
    EXPECT_EQ(text.Left(3), "Tab");
    EXPECT_EQ(text.Right(8), "Printing");
    EXPECT_EQ(text.Mid(4, 5), "Print");
    EXPECT_EQ(text.Mid(40), "");
    EXPECT_EQ(text.Find("Print"), 4);
    EXPECT_EQ(text.Find('z'), -1);
    EXPECT_EQ(text.CompareNoCase("tab printing"), 0);
    EXPECT_NE(text.Compare("tab printing"), 0);
    EXPECT_EQ(CString("1,5").Replace(',', '.'), 1);
    CString path("a-b-c");
    EXPECT_EQ(path.Replace("-", "--"), 2);
    EXPECT_EQ(path, "a--b--c");
    CString formatted;
    formatted.Format("%d %s", 12, "Page numbers left blank");
    EXPECT_EQ(formatted, "12 Page numbers left blank");
    EXPECT_EQ(AfxFormatText("Enter an integer between %1 and %2.", "1", "99"), "Enter an integer between 1 and 99.");
    CString buffer;
    std::snprintf(buffer.GetBuffer(10), 11, "%s", "0123456789");
    buffer.ReleaseBuffer();
    EXPECT_EQ(buffer.GetLength(), 10);
}

TEST(CTimeTest, LocalFieldsRoundTrip) {
    CTime moment(2037, 12, 31, 23, 59, 0);
    EXPECT_EQ(moment.GetYear(), 2037);
    EXPECT_EQ(moment.GetMonth(), 12);
    EXPECT_EQ(moment.GetMinute(), 59);
    SYSTEMTIME local;
    ASSERT_TRUE(moment.GetAsSystemTime(local));
    EXPECT_EQ(CTime(local), moment);
    EXPECT_GT(CTime(2038, 1, 20, 0, 0, 0).GetTime(), 0x7FFFFFFF);  // past the 32-bit limit
}

UINT Twice(LPVOID param) { return 2 * *static_cast<UINT *>(param); }

TEST(AfxThreadTest, SuspendedThreadRunsAfterResumeAndReportsItsCode) {
    UINT input = 21;
    CWinThread *thread = AfxBeginThread(Twice, &input, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    thread->m_bAutoDelete = FALSE;
    EXPECT_NE(thread->m_nThreadID, 0u);
    EXPECT_EQ(thread->WaitForEnd(20), 258u);  // still suspended
    EXPECT_EQ(thread->ResumeThread(), 1u);
    EXPECT_EQ(thread->WaitForEnd(), 0u);
    EXPECT_EQ(thread->GetExitCode(), 42u);
    delete thread;
    EXPECT_EQ(AfxBeginThread(nullptr, nullptr), nullptr);
}

void SwitchAndThrow() {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    EXPECT_EQ(AfxGetModuleState(), AfxGetStaticModuleState());
    throw std::runtime_error("leaving early");
}

TEST(ModuleStateTest, SwitchIsUndoneOnEveryPath) {
    AFX_MODULE_STATE *before = AfxGetModuleState();
    EXPECT_NE(before, AfxGetStaticModuleState());
    EXPECT_THROW(SwitchAndThrow(), std::runtime_error);
    EXPECT_EQ(AfxGetModuleState(), before);
    AFX_MODULE_STATE *seenOnWorker = nullptr;
    {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        // Each thread has its own current state.
        std::thread([&] { seenOnWorker = AfxGetModuleState(); }).join();
        EXPECT_EQ(AfxGetModuleState(), AfxGetStaticModuleState());
    }
    EXPECT_EQ(seenOnWorker, before);
    EXPECT_EQ(AfxGetModuleState(), before);
}

}  // namespace
