// Message boxes: the headless answers, and what an automation handler sees and does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfpwin.h"

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void TearDown() override { MfpSetAutomationHandler(nullptr, nullptr); }
};

TEST_F(MessageBoxTest, HeadlessAnswersDecline) {
    struct Case {
        UINT type;
        int expected;
    } cases[] = {
        {MB_OK, IDOK},           {MB_OK | MB_ICONERROR, IDOK},       {MB_OKCANCEL, IDCANCEL},
        {MB_YESNO, IDNO},        {MB_YESNO | MB_TOPMOST, IDNO},      {MB_YESNOCANCEL, IDCANCEL},
        {MB_RETRYCANCEL, IDCANCEL}, {MB_ABORTRETRYIGNORE, IDABORT},
    };
    for (const Case &c : cases) EXPECT_EQ(MessageBoxA(nullptr, "Text", "Caption", c.type), c.expected) << c.type;
}

struct Seen {
    MFP_MODAL_INFO info{};
    std::vector<std::string> buttons;
    int answer = IDYES;
};

void CALLBACK AnswerAndRecord(HWND box, void *context) {
    auto *seen = static_cast<Seen *>(context);
    MfpGetModalInfo(box, &seen->info);
    MFP_CONTROL_INFO control;
    for (int i = 0; MfpGetControlInfo(box, i, &control); ++i)
        if (std::string(control.className) == "Button") seen->buttons.push_back(control.text);
    MfpAutomationClickId(box, seen->answer);
}

TEST_F(MessageBoxTest, HandlerSeesTextCaptionAndButtonsAndAnswers) {
    Seen seen;
    MfpSetAutomationHandler(AnswerAndRecord, &seen);
    EXPECT_EQ(MessageBoxA(nullptr, "Find the printer?", "Series", MB_YESNO | MB_TOPMOST), IDYES);
    EXPECT_EQ(seen.info.kind, static_cast<DWORD>(MFP_MODAL_MESSAGEBOX));
    EXPECT_STREQ(seen.info.caption, "Series");
    EXPECT_STREQ(seen.info.text, "Find the printer?");
    EXPECT_EQ(seen.info.messageBoxType, static_cast<UINT>(MB_YESNO | MB_TOPMOST));
    EXPECT_EQ(seen.info.depth, 1);
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"&Yes", "&No"}));
}

TEST_F(MessageBoxTest, MissingCaptionReadsError) {
    Seen seen;
    seen.answer = IDOK;
    MfpSetAutomationHandler(AnswerAndRecord, &seen);
    EXPECT_EQ(MessageBoxA(nullptr, "Oops", nullptr, MB_OK), IDOK);
    EXPECT_STREQ(seen.info.caption, "Error");
}

void CALLBACK PressEscape(HWND box, void *) { MfpAutomationPressEscape(box); }
void CALLBACK PressEnter(HWND box, void *) { MfpAutomationPressEnter(box); }

TEST_F(MessageBoxTest, EscapeAndEnterFollowTheButtonSet) {
    MfpSetAutomationHandler(PressEscape, nullptr);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OK), IDOK);
    MfpSetAutomationHandler(PressEnter, nullptr);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

// Escape in a Yes/No box does nothing: the box stays until an answer comes.
void CALLBACK EscapeThenNo(HWND box, void *context) {
    MfpAutomationPressEscape(box);
    *static_cast<bool *>(context) = IsWindow(box) && MfpGetTopModalWindow() == box;
    MfpAutomationClickId(box, IDNO);
}

TEST_F(MessageBoxTest, EscapeDoesNotCloseAYesNoBox) {
    bool stillOpen = false;
    MfpSetAutomationHandler(EscapeThenNo, &stillOpen);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_YESNO), IDNO);
    EXPECT_TRUE(stillOpen);
}

}  // namespace
