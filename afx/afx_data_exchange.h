// Data exchange and validation between a dialog's controls and its members. In a save pass a
// value that cannot be read or breaks a rule is reported with the standard prompt, the focus
// goes to the control, and the exchange stops (UpdateData returns FALSE).
#pragma once

#include "afx_string.h"
#include "afx_time.h"

class CWnd;

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct AfxDataExchangeFailure {};

class CDataExchange {
public:
    CDataExchange(CWnd *dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;
    CWnd *m_pDlgWnd;
    HWND m_idLastControl = nullptr;
    bool m_bEditLastControl = false;

    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Shows nothing itself: moves the focus to the last control and stops the exchange.
    [[noreturn]] void Fail();
    // Shows the prompt as a message box, then fails.
    [[noreturn]] void FailWithPrompt(const CString &prompt);
};

// The standard prompts.
inline constexpr const char *AFX_PROMPT_PARSE_INT = "Enter an integer.";
inline constexpr const char *AFX_PROMPT_PARSE_REAL = "Enter a number.";
inline constexpr const char *AFX_PROMPT_RANGE_INT = "Enter an integer between %1 and %2.";
inline constexpr const char *AFX_PROMPT_RANGE_REAL = "Enter a number between %1 and %2.";
inline constexpr const char *AFX_PROMPT_STRING_SIZE = "Enter no more than %1 characters.";

void DDX_Text(CDataExchange *exchange, int id, CString &value);
void DDX_Text(CDataExchange *exchange, int id, int &value);
void DDX_Text(CDataExchange *exchange, int id, UINT &value);
void DDX_Text(CDataExchange *exchange, int id, long &value);
void DDX_Text(CDataExchange *exchange, int id, float &value);
void DDX_Text(CDataExchange *exchange, int id, double &value);
void DDX_CBIndex(CDataExchange *exchange, int id, int &index);
void DDX_Check(CDataExchange *exchange, int id, int &value);
void DDX_Control(CDataExchange *exchange, int id, CWnd &control);
void DDX_DateTimeCtrl(CDataExchange *exchange, int id, CTime &value);

void DDV_MaxChars(CDataExchange *exchange, const CString &value, int maxChars);
void DDV_MinMaxInt(CDataExchange *exchange, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange *exchange, UINT value, UINT minValue, UINT maxValue);
void DDV_MinMaxDouble(CDataExchange *exchange, double const &value, double minValue, double maxValue);
