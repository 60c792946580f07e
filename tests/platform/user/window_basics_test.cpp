// Window classes, creation, lookup and window state.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <thread>

#include "mfpwin.h"

namespace {

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 1) return static_cast<LRESULT>(wParam + lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

ATOM RegisterTestClass(const char *name) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CountingProcedure;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass);
}

TEST(WindowBasics, RegisteringAClassTwiceFails) {
    ASSERT_NE(RegisterTestClass("BasicsTwice"), 0);
    EXPECT_EQ(RegisterTestClass("basicstwice"), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
}

TEST(WindowBasics, CreatingFromAnUnknownClassFails) {
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

TEST(WindowBasics, FindWindowMatchesClassTitleOrBoth) {
    ASSERT_NE(RegisterTestClass("BasicsFind"), 0);
    HWND first = CreateWindowExA(0, "BasicsFind", "Progress", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND second = CreateWindowExA(0, "BasicsFind", "Other", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    struct Case {
        const char *className;
        const char *title;
        HWND expected;
    } cases[] = {
        {"BasicsFind", "Progress", first}, {"basicsfind", nullptr, second},   {nullptr, "Progress", first},
        {"BasicsFind", "Missing", nullptr}, {"Progman", nullptr, nullptr},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FindWindowA(c.className, c.title), c.expected)
            << (c.className ? c.className : "(any)") << " / " << (c.title ? c.title : "(any)");
    DestroyWindow(second);
    EXPECT_EQ(FindWindowA("BasicsFind", nullptr), first);
    DestroyWindow(first);
    EXPECT_EQ(FindWindowA("BasicsFind", nullptr), nullptr);
}

TEST(WindowBasics, WindowBelongsToTheCreatingThreadAndProcess) {
    ASSERT_NE(RegisterTestClass("BasicsThread"), 0);
    HWND mine = CreateWindowExA(0, "BasicsThread", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DWORD myThread = GetWindowThreadProcessId(mine, nullptr);
    DWORD otherThread = 0, otherProcess = 0;
    std::thread([&] {
        HWND theirs = CreateWindowExA(0, "BasicsThread", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        otherThread = GetWindowThreadProcessId(theirs, &otherProcess);
        DestroyWindow(theirs);
    }).join();
    EXPECT_NE(myThread, 0u);
    EXPECT_NE(otherThread, myThread);
    EXPECT_EQ(otherProcess, static_cast<DWORD>(getpid()));
    EXPECT_EQ(GetWindowThreadProcessId(reinterpret_cast<HWND>(0x12345), nullptr), 0u);
    DestroyWindow(mine);
}

TEST(WindowBasics, DestroyedHandleIsNoLongerAWindow) {
    ASSERT_NE(RegisterTestClass("BasicsDestroy"), 0);
    HWND parent = CreateWindowExA(0, "BasicsDestroy", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExA(0, "BasicsDestroy", "", WS_CHILD, 0, 0, 1, 1, parent, nullptr, nullptr, nullptr);
    ASSERT_TRUE(IsWindow(child));
    EXPECT_TRUE(DestroyWindow(parent));
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(DestroyWindow(parent));
    EXPECT_EQ(SendMessageA(parent, WM_USER + 1, 1, 2), 0);
}

TEST(WindowBasics, TextIsCopiedWithinTheBuffer) {
    ASSERT_NE(RegisterTestClass("BasicsText"), 0);
    HWND window = CreateWindowExA(0, "BasicsText", "Initial", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    char buffer[8];
    EXPECT_EQ(GetWindowTextA(window, buffer, sizeof buffer), 7);
    EXPECT_STREQ(buffer, "Initial");
    ASSERT_TRUE(SetWindowTextA(window, "A longer caption"));
    EXPECT_EQ(GetWindowTextLengthA(window), 16);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetWindowTextA(window, buffer, 5), 4);
    EXPECT_STREQ(buffer, "A lo");
    EXPECT_EQ(buffer[5], 'x');
    DestroyWindow(window);
}

TEST(WindowBasics, LongsKeepUserDataAndStyles) {
    ASSERT_NE(RegisterTestClass("BasicsLongs"), 0);
    HWND window = CreateWindowExA(0, "BasicsLongs", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(SetWindowLongPtrA(window, GWLP_USERDATA, 0x1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 0x1234);
    EXPECT_EQ(GetWindowLongPtrA(window, DWLP_USER), 0);  // no extra bytes in this class
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_POPUP);
    EXPECT_FALSE(IsWindowVisible(window));
    ShowWindow(window, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_FALSE(EnableWindow(window, FALSE));
    EXPECT_FALSE(IsWindowEnabled(window));
    EXPECT_TRUE(EnableWindow(window, TRUE));
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    DestroyWindow(window);
}

TEST(WindowBasics, SystemCursorsLoadAndSwap) {
    HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    ASSERT_NE(wait, nullptr);
    ASSERT_NE(arrow, nullptr);
    EXPECT_NE(wait, arrow);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), wait);
    SetCursor(arrow);
    EXPECT_EQ(SetCursor(wait), arrow);
    EXPECT_EQ(SetCursor(arrow), wait);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
}

TEST(WindowBasics, StockGuiFontIsStable) {
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), font);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), font);
}

}  // namespace
