#include "afx_data_exchange.h"

#include <strings.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <locale.h>

#include "afx_window.h"

namespace {

bool IsEdit(HWND control) {
    char className[16];
    return GetClassNameA(control, className, sizeof className) > 0 && strcasecmp(className, WC_EDITA) == 0;
}

bool IsComboBox(HWND control) {
    char className[16];
    return GetClassNameA(control, className, sizeof className) > 0 && strcasecmp(className, WC_COMBOBOXA) == 0;
}

CString ControlText(CDataExchange *exchange, int id) {
    CString text;
    exchange->m_pDlgWnd->GetDlgItemText(id, text);
    return text;
}

// A whole number with optional blanks around it and an optional sign; false for anything else,
// an empty text, or a value outside [lowest, highest].
bool ParseInteger(const CString &text, long long lowest, long long highest, long long &value) {
    const char *start = text;
    while (std::isspace(static_cast<unsigned char>(*start))) ++start;
    if (*start == '\0') return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE) return false;
    while (std::isspace(static_cast<unsigned char>(*end))) ++end;
    return *end == '\0' && value >= lowest && value <= highest;
}

// A number written with "." as the decimal point, whatever the process locale says.
bool ParseReal(const CString &text, double &value) {
    static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    const char *start = text;
    while (std::isspace(static_cast<unsigned char>(*start))) ++start;
    if (*start == '\0') return false;
    char *end = nullptr;
    value = strtod_l(start, &end, cLocale);
    if (end == start) return false;
    while (std::isspace(static_cast<unsigned char>(*end))) ++end;
    return *end == '\0';
}

CString FormatReal(double value, int digits) {
    static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    locale_t previous = uselocale(cLocale);
    CString text;
    text.Format("%.*g", digits, value);
    uselocale(previous);
    return text;
}

template <typename Integer>
void ExchangeInteger(CDataExchange *exchange, int id, Integer &value, long long lowest, long long highest,
                     const char *format) {
    exchange->PrepareEditCtrl(id);
    if (exchange->m_bSaveAndValidate) {
        long long parsed = 0;
        if (!ParseInteger(ControlText(exchange, id), lowest, highest, parsed)) exchange->FailWithPrompt(AFX_PROMPT_PARSE_INT);
        value = static_cast<Integer>(parsed);
    } else {
        CString text;
        text.Format(format, value);
        exchange->m_pDlgWnd->SetDlgItemText(id, text);
    }
}

template <typename Real>
void ExchangeReal(CDataExchange *exchange, int id, Real &value, int digits) {
    exchange->PrepareEditCtrl(id);
    if (exchange->m_bSaveAndValidate) {
        double parsed = 0;
        if (!ParseReal(ControlText(exchange, id), parsed)) exchange->FailWithPrompt(AFX_PROMPT_PARSE_REAL);
        value = static_cast<Real>(parsed);
    } else {
        exchange->m_pDlgWnd->SetDlgItemText(id, FormatReal(value, digits));
    }
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    m_bEditLastControl = false;
    return m_idLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = true;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_idLastControl != nullptr) {
        ::SetFocus(m_idLastControl);
        if (m_bEditLastControl && IsEdit(m_idLastControl)) ::SendMessageA(m_idLastControl, EM_SETSEL, 0, -1);
    }
    throw AfxDataExchangeFailure{};
}

void CDataExchange::FailWithPrompt(const CString &prompt) {
    AfxMessageBox(prompt, MB_ICONEXCLAMATION);
    Fail();
}

void DDX_Text(CDataExchange *exchange, int id, CString &value) {
    exchange->PrepareEditCtrl(id);
    if (exchange->m_bSaveAndValidate) value = ControlText(exchange, id);
    else exchange->m_pDlgWnd->SetDlgItemText(id, value);
}

void DDX_Text(CDataExchange *exchange, int id, int &value) { ExchangeInteger(exchange, id, value, INT_MIN, INT_MAX, "%d"); }

void DDX_Text(CDataExchange *exchange, int id, UINT &value) { ExchangeInteger(exchange, id, value, 0, UINT_MAX, "%u"); }

void DDX_Text(CDataExchange *exchange, int id, long &value) {
    ExchangeInteger(exchange, id, value, LONG_MIN, LONG_MAX, "%ld");
}

void DDX_Text(CDataExchange *exchange, int id, float &value) { ExchangeReal(exchange, id, value, 6); }

void DDX_Text(CDataExchange *exchange, int id, double &value) { ExchangeReal(exchange, id, value, 15); }

void DDX_CBIndex(CDataExchange *exchange, int id, int &index) {
    HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate) index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
    else ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Check(CDataExchange *exchange, int id, int &value) {
    HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        if (value < 0 || value > BST_INDETERMINATE) value = BST_UNCHECKED;
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Control(CDataExchange *exchange, int id, CWnd &control) {
    exchange->PrepareCtrl(id);
    if (control.m_hWnd == nullptr) control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd);
}

void DDX_DateTimeCtrl(CDataExchange *exchange, int id, CTime &value) {
    HWND control = exchange->PrepareCtrl(id);
    SYSTEMTIME shown{};
    if (exchange->m_bSaveAndValidate) {
        if (::SendMessageA(control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)) == GDT_VALID) value = CTime(shown);
    } else if (value.GetAsSystemTime(shown)) {
        ::SendMessageA(control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
    }
}

void DDV_MaxChars(CDataExchange *exchange, const CString &value, int maxChars) {
    if (exchange->m_bSaveAndValidate) {
        if (value.GetLength() <= maxChars) return;
        CString limit;
        limit.Format("%d", maxChars);
        exchange->FailWithPrompt(AfxFormatText(AFX_PROMPT_STRING_SIZE, limit));
    }
    HWND control = exchange->m_idLastControl;
    if (control == nullptr) return;
    if (IsEdit(control)) ::SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
    else if (IsComboBox(control)) ::SendMessageA(control, CB_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}

void DDV_MinMaxInt(CDataExchange *exchange, int value, int minValue, int maxValue) {
    if (!exchange->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
    CString low, high;
    low.Format("%d", minValue);
    high.Format("%d", maxValue);
    exchange->FailWithPrompt(AfxFormatText(AFX_PROMPT_RANGE_INT, low, high));
}

void DDV_MinMaxUInt(CDataExchange *exchange, UINT value, UINT minValue, UINT maxValue) {
    if (!exchange->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
    CString low, high;
    low.Format("%u", minValue);
    high.Format("%u", maxValue);
    exchange->FailWithPrompt(AfxFormatText(AFX_PROMPT_RANGE_INT, low, high));
}

void DDV_MinMaxDouble(CDataExchange *exchange, double const &value, double minValue, double maxValue) {
    if (!exchange->m_bSaveAndValidate || (value >= minValue && value <= maxValue)) return;
    exchange->FailWithPrompt(AfxFormatText(AFX_PROMPT_RANGE_REAL, FormatReal(minValue, 15), FormatReal(maxValue, 15)));
}
