// Modal dialogs from templates: creation, initialisation, the dialog keys, nested modal
// windows and messages sent from other threads while a dialog runs.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "template_builder.h"

namespace {

using mfptest::TemplateBuilder;

constexpr int kEditId = 100;
constexpr int kApplyId = 101;

struct DialogLog {
    LPARAM initParam = 0;
    std::vector<int> commands;
    int messageBoxAnswer = 0;
    HWND dialog = nullptr;
};

// Ends on OK and Cancel; the Apply button asks a question first and ends with 50 + the answer.
INT_PTR CALLBACK RecordingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *log = reinterpret_cast<DialogLog *>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            reinterpret_cast<DialogLog *>(lParam)->initParam = lParam;
            reinterpret_cast<DialogLog *>(lParam)->dialog = dialog;
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) return FALSE;  // control notifications
            log->commands.push_back(LOWORD(wParam));
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
            if (LOWORD(wParam) == kApplyId) {
                log->messageBoxAnswer = MessageBoxA(dialog, "Apply now?", "Question", MB_YESNO);
                EndDialog(dialog, 50 + log->messageBoxAnswer);
            }
            return TRUE;
        case WM_USER + 7: SetWindowLongPtrA(dialog, DWLP_MSGRESULT, wParam * 2); return TRUE;
        default: return FALSE;
    }
}

TemplateBuilder StandardTemplate() {
    TemplateBuilder builder("Standard", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 200, 80);
    builder.Edit(kEditId).Button(kApplyId, "Apply").Button(IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP).Button(IDCANCEL, "Cancel");
    return builder;
}

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override { MfpSetAutomationHandler(nullptr, nullptr); }
    INT_PTR Run(const TemplateBuilder &builder, DialogLog &log) {
        return DialogBoxIndirectParamA(nullptr, builder.Data(), nullptr, RecordingDialog, reinterpret_cast<LPARAM>(&log));
    }
};

TEST_F(DialogTest, HeadlessDialogEndsWithCancel) {
    DialogLog log;
    EXPECT_EQ(Run(StandardTemplate(), log), IDCANCEL);
    EXPECT_EQ(log.initParam, reinterpret_cast<LPARAM>(&log));
    EXPECT_EQ(log.commands, std::vector<int>{IDCANCEL});
    EXPECT_FALSE(IsWindow(log.dialog));
}

// A dialog procedure that ignores every command is still closed when nobody drives it.
INT_PTR CALLBACK IgnoringDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

TEST_F(DialogTest, HeadlessClosesADialogThatIgnoresEscape) {
    TemplateBuilder builder = StandardTemplate();
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, builder.Data(), nullptr, IgnoringDialog, 0), IDCANCEL);
}

TEST_F(DialogTest, BadTemplateFails) {
    DialogLog log;
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, nullptr, nullptr, RecordingDialog, 0), -1);
    TemplateBuilder unknownClass("Bad", WS_POPUP, 10, 10);
    unknownClass.Control(5, 0, "NoSuchControl", "", 0);
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, unknownClass.Data(), nullptr, RecordingDialog, reinterpret_cast<LPARAM>(&log)), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

struct KeyCase {
    const char *name;
    void (*act)(HWND);
    INT_PTR expected;
};

void CALLBACK RunKeyCase(HWND dialog, void *context) { static_cast<const KeyCase *>(context)->act(dialog); }

TEST_F(DialogTest, EnterPressesTheDefaultButtonAndEscapeCancels) {
    const KeyCase cases[] = {
        {"enter", [](HWND d) { MfpAutomationPressEnter(d); }, IDOK},
        {"escape", [](HWND d) { MfpAutomationPressEscape(d); }, IDCANCEL},
        {"enter after moving the default",
         [](HWND d) {
             SendMessageA(d, DM_SETDEFID, IDCANCEL, 0);
             MfpAutomationPressEnter(d);
         },
         IDCANCEL},
        {"enter with the default disabled does nothing",
         [](HWND d) {
             EnableWindow(GetDlgItem(d, IDOK), FALSE);
             MfpAutomationPressEnter(d);
             if (IsWindow(d)) MfpAutomationClickId(d, IDCANCEL);
         },
         IDCANCEL},
        {"enter with the default hidden still presses it",
         [](HWND d) {
             ShowWindow(GetDlgItem(d, IDOK), SW_HIDE);
             EXPECT_FALSE(MfpAutomationClickId(d, IDOK));  // a user cannot click what is hidden
             MfpAutomationPressEnter(d);
         },
         IDOK},
    };
    for (const KeyCase &c : cases) {
        MfpSetAutomationHandler(RunKeyCase, const_cast<KeyCase *>(&c));
        DialogLog log;
        EXPECT_EQ(Run(StandardTemplate(), log), c.expected) << c.name;
    }
}

TEST_F(DialogTest, DefaultIdComesFromTheTemplate) {
    MfpSetAutomationHandler(
        [](HWND d, void *) {
            EXPECT_EQ(SendMessageA(d, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
            EXPECT_EQ(SendMessageA(d, WM_USER + 7, 21, 0), 42);  // DWLP_MSGRESULT carries the answer
            EXPECT_EQ(GetFocus(), GetDlgItem(d, kEditId));        // first tab stop
            EndDialog(d, 9);
        },
        nullptr);
    DialogLog log;
    EXPECT_EQ(Run(StandardTemplate(), log), 9);
}

// A click that opens a message box: the handler is called again for the box, one level deeper.
void CALLBACK NestedHandler(HWND window, void *context) {
    auto *depths = static_cast<std::vector<int> *>(context);
    MFP_MODAL_INFO info;
    MfpGetModalInfo(window, &info);
    depths->push_back(info.depth);
    if (info.kind == MFP_MODAL_MESSAGEBOX) {
        EXPECT_STREQ(info.text, "Apply now?");
        MfpAutomationClickId(window, IDYES);
    } else {
        EXPECT_TRUE(MfpAutomationClickId(window, kApplyId));
    }
}

TEST_F(DialogTest, MessageBoxOverADialogIsNested) {
    std::vector<int> depths;
    MfpSetAutomationHandler(NestedHandler, &depths);
    DialogLog log;
    EXPECT_EQ(Run(StandardTemplate(), log), 50 + IDYES);
    EXPECT_EQ(log.messageBoxAnswer, IDYES);
    EXPECT_EQ(depths, (std::vector<int>{1, 2}));
}

TEST_F(DialogTest, WorkerThreadSendEndsTheDialog) {
    // The handler leaves the dialog open; a worker's synchronous message ends it.
    std::atomic<LRESULT> workerResult{-1};
    std::thread worker;
    struct Context {
        std::thread *worker;
        std::atomic<LRESULT> *result;
    } context{&worker, &workerResult};
    MfpSetAutomationHandler(
        [](HWND dialog, void *raw) {
            auto *ctx = static_cast<Context *>(raw);
            *ctx->worker = std::thread([dialog, ctx] {
                *ctx->result = SendMessageA(dialog, WM_USER + 7, 5, 0);
                SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            });
        },
        &context);
    DialogLog log;
    EXPECT_EQ(Run(StandardTemplate(), log), IDOK);
    worker.join();
    EXPECT_EQ(workerResult.load(), 10);
    EXPECT_EQ(log.commands, std::vector<int>{IDOK});
}

TEST_F(DialogTest, SendToAWindowOfAnEndedThreadReturns) {
    HWND orphan = nullptr;
    std::thread([&] {
        TemplateBuilder builder = StandardTemplate();
        DialogLog log;
        orphan = CreateDialogIndirectParamA(nullptr, builder.Data(), nullptr, RecordingDialog, reinterpret_cast<LPARAM>(&log));
    }).join();
    EXPECT_FALSE(IsWindow(orphan));
    EXPECT_EQ(SendMessageA(orphan, WM_USER + 7, 1, 0), 0);
}

TEST_F(DialogTest, PostedMessagesReachTheGetMessageLoop) {
    HWND window = nullptr;
    std::vector<UINT> received;
    std::thread owner([&] {
        TemplateBuilder builder = StandardTemplate();
        DialogLog log;
        window = CreateDialogIndirectParamA(nullptr, builder.Data(), nullptr, RecordingDialog, reinterpret_cast<LPARAM>(&log));
        PostMessageA(window, WM_USER + 3, 0, 0);
        PostQuitMessage(4);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0)) received.push_back(message.message);
        received.push_back(static_cast<UINT>(message.wParam));
        DestroyWindow(window);
    });
    owner.join();
    EXPECT_EQ(received, (std::vector<UINT>{WM_USER + 3, 4}));
}

TEST_F(DialogTest, DialogUnitsFollowTheFont) {
    MfpSetAutomationHandler(
        [](HWND d, void *) {
            RECT rect{0, 0, 4, 8};
            MapDialogRect(d, &rect);
            EXPECT_EQ(rect.right, 6);   // 8-point font: 6 x 13 pixel base units
            EXPECT_EQ(rect.bottom, 13);
            RECT window;
            GetWindowRect(d, &window);
            EXPECT_EQ(window.right - window.left, 200 * 6 / 4);
            EndDialog(d, IDOK);
        },
        nullptr);
    DialogLog log;
    EXPECT_EQ(Run(StandardTemplate(), log), IDOK);
}

}  // namespace
