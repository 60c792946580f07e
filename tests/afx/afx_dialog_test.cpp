// A library built on the class library, loaded as a caller loads the driver libraries: its
// strings and dialog come from its own module, its controls notify its message map, data
// exchange prompts and stops where it should, and the automation interface drives it all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/afx_time.h"
#include "fixture/afx_fixture.h"
#include "fixture/afx_fixture_ids.h"
#include "tests/support/temp_root.h"

namespace {

std::string FixturePath() { return (mfptest::BuildDir() / "tests" / "fixtures" / "libmfp_afx_fixture.so").string(); }

class AfxLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryA(FixturePath().c_str());
        ASSERT_NE(module_, nullptr) << FixturePath();
        show_ = reinterpret_cast<FixtureShowDialogProc>(GetProcAddress(module_, "FixtureShowDialog"));
        loadString_ = reinterpret_cast<FixtureLoadStringProc>(GetProcAddress(module_, "FixtureLoadString"));
        initCount_ = reinterpret_cast<FixtureInitCountProc>(GetProcAddress(module_, "FixtureInitCount"));
        ASSERT_TRUE(show_ && loadString_ && initCount_);
    }
    void TearDown() override {
        MfpSetAutomationHandler(nullptr, nullptr);
        FreeLibrary(module_);
    }

    HMODULE module_ = nullptr;
    FixtureShowDialogProc show_ = nullptr;
    FixtureLoadStringProc loadString_ = nullptr;
    FixtureInitCountProc initCount_ = nullptr;
};

std::string Text(HWND dialog, int id) {
    char buffer[256];
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

TEST_F(AfxLibraryTest, StringsComeFromTheLibraryWhileItsStateIsCurrent) {
    EXPECT_EQ(initCount_(), 1);
    char buffer[128];
    EXPECT_EQ(loadString_(IDS_GREETING, buffer, sizeof buffer, TRUE), 26);
    EXPECT_STREQ(buffer, "Greetings from the fixture");
    loadString_(IDS_POLISH, buffer, sizeof buffer, TRUE);
    EXPECT_STREQ(buffer, "Nie można podłączyć się do urządzenia MFP");
    // Without the switch the caller's (the test program's) resources are used, and it has none.
    EXPECT_EQ(loadString_(IDS_GREETING, buffer, sizeof buffer, FALSE), 0);
    EXPECT_STREQ(buffer, "");
}

TEST_F(AfxLibraryTest, HeadlessDialogIsCancelledWithoutTouchingTheValues) {
    FixtureOutcome outcome;
    EXPECT_EQ(show_(&outcome, FALSE), IDCANCEL);
    EXPECT_EQ(outcome.count, 5);
    EXPECT_EQ(outcome.selectedPaper, -1);
}

struct DriveLog {
    MFP_MODAL_INFO info{};
    std::string countShown, shiftShown, unitShown;
    int unitItems = 0, paperItems = 0, paperSelected = -1;
    bool topmost = false;
};

void CALLBACK DriveEverything(HWND dialog, void *context) {
    auto *log = static_cast<DriveLog *>(context);
    MfpGetModalInfo(dialog, &log->info);
    log->countShown = Text(dialog, IDC_COUNT);
    log->shiftShown = Text(dialog, IDC_SHIFT);
    log->unitShown = Text(dialog, IDC_UNIT);
    log->topmost = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    MFP_CONTROL_INFO control;
    for (int i = 0; MfpGetControlInfo(dialog, i, &control); ++i) {
        if (control.id == IDC_UNIT) log->unitItems = control.itemCount;
        if (control.id == IDC_PAPER) {
            log->paperItems = control.itemCount;
            log->paperSelected = control.selectedIndex;
        }
    }
    MfpAutomationReplaceText(GetDlgItem(dialog, IDC_COUNT), "42");
    MfpAutomationReplaceText(GetDlgItem(dialog, IDC_SHIFT), "2.5");
    MfpAutomationType(GetDlgItem(dialog, IDC_NAME), "secret-word");  // limited to 8 characters
    MfpAutomationSelect(GetDlgItem(dialog, IDC_UNIT), 1);
    MfpAutomationSetCheck(GetDlgItem(dialog, IDC_FACE), TRUE);
    MfpAutomationScroll(GetDlgItem(dialog, IDC_SCROLL), SB_LINEDOWN, 0);
    SYSTEMTIME later{2030, 6, 0, 15, 0, 0, 0, 0};
    MfpAutomationPickDate(GetDlgItem(dialog, IDC_DATE), &later);
    MfpAutomationSelect(GetDlgItem(dialog, IDC_PAPER), 2);
    MfpAutomationPressEnter(dialog);
}

TEST_F(AfxLibraryTest, AutomationDrivesEveryControlAndOkExchangesTheValues) {
    DriveLog log;
    MfpSetAutomationHandler(DriveEverything, &log);
    FixtureOutcome outcome;
    ASSERT_EQ(show_(&outcome, FALSE), IDOK);
    EXPECT_STREQ(log.info.caption, "Every Control");
    EXPECT_EQ(log.countShown, "5");
    EXPECT_EQ(log.shiftShown, "13");
    EXPECT_EQ(log.unitShown, "mm");
    EXPECT_EQ(log.unitItems, 2);
    EXPECT_EQ(log.paperItems, 3);
    EXPECT_EQ(log.paperSelected, 0);
    EXPECT_TRUE(log.topmost);
    EXPECT_EQ(outcome.paperImages, 3);
    EXPECT_TRUE(outcome.pictureLoaded);

    EXPECT_EQ(outcome.count, 42);
    EXPECT_DOUBLE_EQ(outcome.shift, 2.5);
    EXPECT_STREQ(outcome.name, "secret-w");
    EXPECT_EQ(outcome.unit, 1);
    EXPECT_EQ(outcome.face, BST_CHECKED);
    EXPECT_EQ(outcome.selectedPaper, 2);
    EXPECT_EQ(CTime(outcome.date).GetYear(), 2030);
    EXPECT_EQ(CTime(outcome.date).GetMonth(), 6);

    EXPECT_EQ(outcome.nameChanges, 1 + 8);  // the initial exchange sets the text, then 8 key presses
    EXPECT_EQ(outcome.unitChanges, 1);
    EXPECT_EQ(outcome.faceClicks, 1);
    EXPECT_EQ(outcome.scrolls, 1);
    EXPECT_EQ(outcome.lastScrollCode, SB_LINEDOWN);
    EXPECT_EQ(outcome.dateChanges, 1);
    EXPECT_EQ(outcome.paperChanges, 2);  // inserted selected, then picked by the user
}

struct ValidationCase {
    const char *name;
    const char *count;  // pasted, so that the digits-only filter does not apply
    const char *shift;
    const char *expectedPrompt;
    int expectedFocus;
    int expectedCount;  // the member after the refused OK
};

struct ValidationLog {
    const ValidationCase *testCase = nullptr;
    std::vector<std::string> prompts;
    std::vector<UINT> promptTypes;
    int focusAfter = 0;
    bool stayedOpen = false;
};

void CALLBACK DriveValidation(HWND window, void *context) {
    auto *log = static_cast<ValidationLog *>(context);
    MFP_MODAL_INFO info;
    MfpGetModalInfo(window, &info);
    if (info.kind == MFP_MODAL_MESSAGEBOX) {
        log->prompts.push_back(info.text);
        log->promptTypes.push_back(info.messageBoxType);
        MfpAutomationPressEnter(window);
        return;
    }
    SetDlgItemTextA(window, IDC_COUNT, "");
    MfpAutomationPaste(GetDlgItem(window, IDC_COUNT), log->testCase->count);
    MfpAutomationReplaceText(GetDlgItem(window, IDC_SHIFT), log->testCase->shift);
    MfpAutomationPressEnter(window);
    log->stayedOpen = MfpGetModalInfo(window, &info) && !info.ended;
    log->focusAfter = GetDlgCtrlID(GetFocus());
    MfpAutomationPressEscape(window);
}

TEST_F(AfxLibraryTest, DataExchangePromptsAndStopsAtTheFailingControl) {
    const ValidationCase cases[] = {
        {"empty count", "", "1", "Enter an integer.", IDC_COUNT, 5},
        {"count with a letter", "1x", "1", "Enter an integer.", IDC_COUNT, 5},
        {"count too large for an int", "99999999999", "1", "Enter an integer.", IDC_COUNT, 5},
        {"count below the range", "0", "1", "Enter an integer between 1 and 99.", IDC_COUNT, 0},
        {"count above the range", "100", "1", "Enter an integer between 1 and 99.", IDC_COUNT, 100},
        {"shift not a number", "7", "abc", "Enter a number.", IDC_SHIFT, 7},
        {"shift with a comma", "7", "2,5", "Enter a number.", IDC_SHIFT, 7},
        {"empty shift", "7", "", "Enter a number.", IDC_SHIFT, 7},
    };
    for (const ValidationCase &c : cases) {
        ValidationLog log;
        log.testCase = &c;
        MfpSetAutomationHandler(DriveValidation, &log);
        FixtureOutcome outcome;
        EXPECT_EQ(show_(&outcome, FALSE), IDCANCEL) << c.name;
        EXPECT_EQ(log.prompts, std::vector<std::string>{c.expectedPrompt}) << c.name;
        EXPECT_EQ(log.promptTypes, std::vector<UINT>{MB_OK | MB_ICONEXCLAMATION}) << c.name;
        EXPECT_TRUE(log.stayedOpen) << c.name;
        EXPECT_EQ(log.focusAfter, c.expectedFocus) << c.name;
        EXPECT_EQ(outcome.count, c.expectedCount) << c.name;
        EXPECT_DOUBLE_EQ(outcome.shift, 13.0) << c.name;  // never read past the failure
    }
}

void CALLBACK ApplyAndAnswer(HWND window, void *context) {
    MFP_MODAL_INFO info;
    MfpGetModalInfo(window, &info);
    if (info.kind == MFP_MODAL_MESSAGEBOX) {
        EXPECT_EQ(info.depth, 2);
        EXPECT_STREQ(info.caption, "Fixture");  // the library's application name
        MfpAutomationClickId(window, *static_cast<int *>(context));
        return;
    }
    MfpAutomationClickId(window, IDC_APPLY);
    MfpGetModalInfo(window, &info);
    EXPECT_EQ(MfpAutomationClickId(window, IDCANCEL), !info.ended);
}

TEST_F(AfxLibraryTest, MessageBoxOverTheDialogDecidesWhetherItEnds) {
    for (int answer : {IDYES, IDNO}) {
        MfpSetAutomationHandler(ApplyAndAnswer, &answer);
        FixtureOutcome outcome;
        EXPECT_EQ(show_(&outcome, FALSE), answer == IDYES ? 100 : IDCANCEL);
        EXPECT_EQ(outcome.applyClicks, 1);
    }
}

TEST_F(AfxLibraryTest, WorkerThreadMessagesReachTheRunningDialog) {
    // The handler leaves the dialog to its worker, which asks it a question and then confirms it.
    MfpSetAutomationHandler([](HWND, void *) {}, nullptr);
    FixtureOutcome outcome;
    EXPECT_EQ(show_(&outcome, TRUE), IDOK);
    EXPECT_EQ(outcome.workerReply, 42);
}

}  // namespace
