// The controls inside a dialog: what they hold, what a user can do to them, and what their
// parent is told.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "template_builder.h"

namespace {

using mfptest::TemplateBuilder;

enum : int { kEdit = 10, kNumber = 11, kPassword = 12, kCheck = 13, kCombo = 14, kScroll = 15, kDate = 16, kTime = 17, kList = 18 };

struct Notification {
    int id;
    UINT code;
    bool operator==(const Notification &) const = default;
};

std::vector<Notification> *notifications = nullptr;
std::vector<std::pair<int, int>> *scrolls = nullptr;
SYSTEMTIME lastDate{};
NMLISTVIEW lastItemChange{};

INT_PTR CALLBACK RecordingParent(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && notifications) notifications->push_back({LOWORD(wParam), HIWORD(wParam)});
    if (message == WM_NOTIFY && notifications) {
        auto *header = reinterpret_cast<NMHDR *>(lParam);
        notifications->push_back({static_cast<int>(header->idFrom), header->code});
        if (header->code == DTN_DATETIMECHANGE) lastDate = reinterpret_cast<NMDATETIMECHANGE *>(lParam)->st;
        if (header->code == LVN_ITEMCHANGED) lastItemChange = *reinterpret_cast<NMLISTVIEW *>(lParam);
    }
    if (message == WM_VSCROLL && scrolls) scrolls->push_back({LOWORD(wParam), HIWORD(wParam)});
    return message == WM_INITDIALOG;
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        builder_.Control(kEdit, 0x81, "", "", ES_AUTOHSCROLL | WS_TABSTOP)
            .Control(kNumber, 0x81, "", "", ES_NUMBER | WS_TABSTOP)
            .Control(kPassword, 0x81, "", "", ES_PASSWORD | ES_NUMBER)
            .Control(kCheck, 0x80, "", "Tick", BS_AUTOCHECKBOX)
            .Control(kCombo, 0x85, "", "", CBS_DROPDOWNLIST)
            .Control(kScroll, 0x84, "", "", SBS_VERT)
            .Control(kDate, 0, DATETIMEPICK_CLASSA, "", DTS_SHORTDATEFORMAT)
            .Control(kTime, 0, DATETIMEPICK_CLASSA, "", DTS_TIMEFORMAT)
            .Control(kList, 0, WC_LISTVIEWA, "", LVS_ICON | LVS_SINGLESEL);
        dialog_ = CreateDialogIndirectParamA(nullptr, builder_.Data(), nullptr, RecordingParent, 0);
        ASSERT_NE(dialog_, nullptr);
        notifications = &seen_;
        scrolls = &scrolled_;
    }
    void TearDown() override {
        notifications = nullptr;
        scrolls = nullptr;
        DestroyWindow(dialog_);
    }
    HWND Item(int id) { return GetDlgItem(dialog_, id); }
    std::string Text(int id) {
        char buffer[256];
        GetDlgItemTextA(dialog_, id, buffer, sizeof buffer);
        return buffer;
    }
    int Count(int id, UINT code) {
        int count = 0;
        for (const Notification &n : seen_) count += n.id == id && n.code == code;
        return count;
    }

    TemplateBuilder builder_{"Controls", WS_POPUP | WS_CAPTION | WS_VISIBLE, 300, 200};
    HWND dialog_ = nullptr;
    std::vector<Notification> seen_;
    std::vector<std::pair<int, int>> scrolled_;
};

TEST_F(ControlsTest, TypingHonoursDigitsOnlyAndTheLimit) {
    SendMessageA(Item(kNumber), EM_LIMITTEXT, 5, 0);
    struct Case {
        int id;
        const char *typed;
        const char *expected;
    } cases[] = {
        {kEdit, "ab1 c", "ab1 c"},
        {kNumber, "1a2b3", "123"},
        {kNumber, "4567", "12345"},  // continues the text above up to the limit of 5
        {kPassword, "9x9", "99"},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(MfpAutomationType(Item(c.id), c.typed));
        EXPECT_EQ(Text(c.id), c.expected) << c.typed;
    }
    EXPECT_EQ(Count(kNumber, EN_CHANGE), 5);
    EXPECT_EQ(Count(kNumber, EN_MAXTEXT), 2);
}

TEST_F(ControlsTest, ProgramChangesNotifyAndBypassTheFilters) {
    SendMessageA(Item(kNumber), EM_LIMITTEXT, 3, 0);
    SetDlgItemTextA(dialog_, kNumber, "abcdef");
    EXPECT_EQ(Text(kNumber), "abcdef");
    EXPECT_EQ(Count(kNumber, EN_CHANGE), 1);
    EXPECT_FALSE(SendMessageA(Item(kNumber), EM_CANUNDO, 0, 0));
    // A paste is cut to the limit but not filtered.
    SetDlgItemTextA(dialog_, kNumber, "");
    MfpAutomationPaste(Item(kNumber), "x1y2");
    EXPECT_EQ(Text(kNumber), "x1y");
}

TEST_F(ControlsTest, SelectionReplaceAndUndo) {
    HWND edit = Item(kEdit);
    SetWindowTextA(edit, "hello world");
    SendMessageA(edit, EM_SETSEL, 6, -1);
    DWORD start = 0, end = 0;
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)), MAKELRESULT(6, 11));
    EXPECT_EQ(start, 6u);
    EXPECT_EQ(end, 11u);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("there"));
    EXPECT_EQ(Text(kEdit), "hello there");
    ASSERT_TRUE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(kEdit), "hello world");
    SendMessageA(edit, EM_UNDO, 0, 0);  // undoing the undo redoes
    EXPECT_EQ(Text(kEdit), "hello there");
    SendMessageA(edit, EM_EMPTYUNDOBUFFER, 0, 0);
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    MfpAutomationReplaceText(edit, "abc");
    MfpAutomationKey(edit, VK_BACK);
    EXPECT_EQ(Text(kEdit), "ab");
    MfpAutomationKey(edit, VK_HOME);
    MfpAutomationKey(edit, VK_DELETE);
    EXPECT_EQ(Text(kEdit), "b");
}

TEST_F(ControlsTest, PasswordCharacterMasksOnlyTheDisplay) {
    HWND password = Item(kPassword);
    EXPECT_EQ(SendMessageA(password, EM_GETPASSWORDCHAR, 0, 0), '*');
    SendMessageA(password, EM_SETPASSWORDCHAR, '#', 0);
    EXPECT_EQ(SendMessageA(password, EM_GETPASSWORDCHAR, 0, 0), '#');
    MfpAutomationType(password, "42");
    EXPECT_EQ(Text(kPassword), "42");
    SendMessageA(password, EM_SETPASSWORDCHAR, 0, 0);
    EXPECT_FALSE(GetWindowLongA(password, GWL_STYLE) & ES_PASSWORD);
}

TEST_F(ControlsTest, CheckBoxTogglesOnClickOnly) {
    EXPECT_EQ(IsDlgButtonChecked(dialog_, kCheck), static_cast<UINT>(BST_UNCHECKED));
    MfpAutomationClick(Item(kCheck));
    EXPECT_EQ(IsDlgButtonChecked(dialog_, kCheck), static_cast<UINT>(BST_CHECKED));
    CheckDlgButton(dialog_, kCheck, BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(Item(kCheck), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Count(kCheck, BN_CLICKED), 1);
    EnableWindow(Item(kCheck), FALSE);
    EXPECT_FALSE(MfpAutomationSetCheck(Item(kCheck), TRUE));
    SendMessageA(Item(kCheck), BM_CLICK, 0, 0);
    EXPECT_EQ(Count(kCheck, BN_CLICKED), 1);
}

TEST_F(ControlsTest, ComboBoxItemsSelectionAndPrefixSearch) {
    HWND combo = Item(kCombo);
    for (const char *entry : {"Letter", "Legal", "A4", "Ledger"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    struct Case {
        WPARAM start;
        const char *prefix;
        LRESULT expected;
    } cases[] = {
        {static_cast<WPARAM>(-1), "le", 0}, {0, "le", 1}, {1, "LE", 3}, {3, "le", 0},  // wraps to the top
        {2, "a4", 2},                       {0, "x", CB_ERR},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SendMessageA(combo, CB_FINDSTRING, c.start, reinterpret_cast<LPARAM>(c.prefix)), c.expected)
            << c.prefix << " after " << static_cast<INT_PTR>(c.start);
    EXPECT_EQ(SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("a")), 2);
    EXPECT_EQ(Text(kCombo), "A4");
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXTLEN, 3, 0), 6);
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXTLEN, 4, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 9, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(Count(kCombo, CBN_SELCHANGE), 0);  // program selection is silent
    ASSERT_TRUE(MfpAutomationSelect(combo, 1));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Count(kCombo, CBN_SELCHANGE), 1);
    EXPECT_FALSE(MfpAutomationSelect(combo, 4));
    char item[32];
    EXPECT_EQ(MfpGetItemText(combo, 0, item, 4), 6);
    EXPECT_STREQ(item, "Let");
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Text(kCombo), "");
}

TEST_F(ControlsTest, ScrollBarRangeArrowsAndNotifications) {
    HWND bar = Item(kScroll);
    SetScrollRange(bar, SB_CTL, 0, 9, TRUE);
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 12, TRUE), 0);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 9);  // kept within the range
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
    EXPECT_EQ(info.nMax, 9);
    MfpAutomationScroll(bar, SB_LINEDOWN, 0);
    MfpAutomationScroll(bar, SB_THUMBPOSITION, 4);
    EXPECT_EQ(scrolled_, (std::vector<std::pair<int, int>>{{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}, {SB_THUMBTRACK, 4},
                                                            {SB_THUMBPOSITION, 4}, {SB_ENDSCROLL, 0}}));
    scrolled_.clear();
    EnableScrollBar(bar, SB_CTL, ESB_DISABLE_DOWN);
    EXPECT_FALSE(MfpAutomationScroll(bar, SB_LINEDOWN, 0));
    EXPECT_FALSE(MfpAutomationScroll(bar, SB_PAGEDOWN, 0));
    EXPECT_TRUE(MfpAutomationScroll(bar, SB_LINEUP, 0));
    EnableScrollBar(bar, SB_CTL, ESB_DISABLE_BOTH);
    EXPECT_FALSE(MfpAutomationScroll(bar, SB_THUMBPOSITION, 2));
    EnableScrollBar(bar, SB_CTL, ESB_ENABLE_BOTH);
    EnableWindow(bar, FALSE);
    EXPECT_FALSE(MfpAutomationScroll(bar, SB_LINEUP, 0));
    EXPECT_EQ(scrolled_.size(), 2u);
}

TEST_F(ControlsTest, DatePickerKeepsItsRangeAndReportsUserPicks) {
    HWND date = Item(kDate);
    SYSTEMTIME range[2] = {{2026, 12, 0, 11, 10, 0, 0, 0}, {2027, 1, 0, 11, 10, 0, 0, 0}};
    ASSERT_TRUE(SendMessageA(date, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range)));
    SYSTEMTIME early{1970, 1, 0, 1, 0, 0, 0, 0};
    SendMessageA(date, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&early));
    SYSTEMTIME value{};
    EXPECT_EQ(SendMessageA(date, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)), GDT_VALID);
    EXPECT_EQ(value.wYear, 2026);
    EXPECT_EQ(value.wDay, 11);
    SendMessageA(date, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("dd'.'MM'.'yyyy"));
    EXPECT_EQ(Text(kDate), "11.12.2026");
    SYSTEMTIME invalid{2026, 2, 0, 30, 0, 0, 0, 0};
    EXPECT_FALSE(SendMessageA(date, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&invalid)));
    EXPECT_EQ(Count(kDate, DTN_DATETIMECHANGE), 0);

    SYSTEMTIME picked{2026, 12, 0, 24, 23, 59, 0, 0};
    ASSERT_TRUE(MfpAutomationPickDate(date, &picked));
    EXPECT_EQ(Count(kDate, DTN_DATETIMECHANGE), 1);
    EXPECT_EQ(lastDate.wDay, 24);
    EXPECT_EQ(lastDate.wHour, 10);  // a date picker changes the date only
    SYSTEMTIME tooLate{2030, 1, 0, 1, 0, 0, 0, 0};
    MfpAutomationPickDate(date, &tooLate);
    SendMessageA(date, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
    EXPECT_EQ(value.wYear, 2027);
    EXPECT_EQ(value.wMonth, 1);

    HWND time = Item(kTime);
    SendMessageA(time, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("h:mm tt"));
    SYSTEMTIME evening{2000, 1, 0, 1, 18, 5, 0, 0};
    MfpAutomationPickDate(time, &evening);
    EXPECT_EQ(Text(kTime), "6:05 PM");
    SendMessageA(time, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
    EXPECT_NE(value.wYear, 2000);  // a time picker changes the time only
}

TEST_F(ControlsTest, ListViewSingleSelectionNotifiesEachChange) {
    HWND list = Item(kList);
    const char *names[] = {"A4", "A3", "Letter"};
    for (int i = 0; i < 3; ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
        item.iItem = i;
        item.pszText = const_cast<char *>(names[i]);
        item.iImage = i;
        item.state = item.stateMask = i == 1 ? LVIS_SELECTED : 0;
        EXPECT_EQ(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), i);
    }
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
    seen_.clear();
    ASSERT_TRUE(MfpAutomationSelect(list, 2));
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMSTATE, 1, LVIS_SELECTED), 0);
    EXPECT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(Count(kList, LVN_ITEMCHANGED), 2);  // item 1 lost, item 2 gained the selection
    EXPECT_EQ(lastItemChange.iItem, 2);
    EXPECT_EQ(lastItemChange.uNewState & LVIS_SELECTED, static_cast<UINT>(LVIS_SELECTED));
    LVITEMA select{};
    select.state = select.stateMask = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, 0, LVNI_SELECTED), -1);
    char text[8];
    EXPECT_EQ(MfpGetItemText(list, 2, text, sizeof text), 6);
    EXPECT_STREQ(text, "Letter");
}

TEST(ImageListTest, MaskColourSplitsAStripIntoTransparentImages) {
    // A strip of three 2 x 1 images; green pixels are the background.
    const DWORD green = 0xFF008000, red = 0xFFFF0000, blue = 0xFF0000FF;
    DWORD strip[] = {red, green, green, blue, red, red};
    HBITMAP bitmap = CreateBitmap(6, 1, 1, 32, strip);
    ASSERT_NE(bitmap, nullptr);
    HIMAGELIST list = ImageList_Create(2, 1, ILC_COLOR24 | ILC_MASK, 4, 4);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_AddMasked(list, bitmap, RGB(0, 128, 0)), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 3);
    DWORD pixels[2];
    ASSERT_TRUE(MfpImageList_GetPixels(list, 1, pixels, 2));
    EXPECT_EQ(pixels[0], green & 0x00FFFFFFu);  // transparent
    EXPECT_EQ(pixels[1], blue);
    EXPECT_EQ(ImageList_AddMasked(list, bitmap, RGB(0, 128, 0)), 3);
    HBITMAP narrow = CreateBitmap(1, 1, 1, 32, strip);
    EXPECT_EQ(ImageList_AddMasked(list, narrow, RGB(0, 0, 0)), -1);
    EXPECT_EQ(ImageList_AddMasked(nullptr, bitmap, RGB(0, 0, 0)), -1);
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(list));
    DeleteObject(bitmap);
    DeleteObject(narrow);
}

}  // namespace
