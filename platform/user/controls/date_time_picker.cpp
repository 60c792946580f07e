// Date-and-time pickers: one value within an optional range, shown in a format.
#include <cstdio>
#include <ctime>
#include <string>

#include "user/controls/control_procedures.h"
#include "user/controls/user_actions.h"
#include "user/controls/system_time.h"
#include "user/window_table.h"

namespace mfpwin::user {
namespace {

class DateTimePickerState : public WindowState {
public:
    SYSTEMTIME value = CurrentLocalTime();
    bool none = false;
    DWORD rangeFlags = 0;
    SYSTEMTIME minimum{};
    SYSTEMTIME maximum{};
    std::string format;  // empty: the style's default
};

bool IsTimePicker(HWND picker) {
    return (GetWindowLongA(picker, GWL_STYLE) & DTS_TIMEFORMAT) == DTS_TIMEFORMAT;
}

std::string DefaultFormat(HWND picker) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(picker, GWL_STYLE));
    if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) return "HH:mm:ss";
    if (style & DTS_LONGDATEFORMAT) return "dddd, MMMM d, yyyy";
    return "yyyy-MM-dd";
}

SYSTEMTIME WithinRange(const DateTimePickerState &state, SYSTEMTIME value) {
    if ((state.rangeFlags & GDTR_MIN) && CompareSystemTimes(value, state.minimum) < 0) value = state.minimum;
    if ((state.rangeFlags & GDTR_MAX) && CompareSystemTimes(value, state.maximum) > 0) value = state.maximum;
    value.wDayOfWeek = DayOfWeek(value);
    return value;
}

void ShowValue(HWND picker, const DateTimePickerState &state) {
    std::string text = state.none ? "" : FormatSystemTime(state.value, state.format.empty() ? DefaultFormat(picker) : state.format);
    DefWindowProcA(picker, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT SetValue(HWND picker, DateTimePickerState &state, WPARAM flag, const SYSTEMTIME *value) {
    if (flag == GDT_NONE) {
        if (!(GetWindowLongA(picker, GWL_STYLE) & DTS_SHOWNONE)) return FALSE;
        state.none = true;
    } else {
        if (flag != GDT_VALID || value == nullptr || !IsValidSystemTime(*value)) return FALSE;
        state.value = WithinRange(state, *value);
        state.none = false;
    }
    ShowValue(picker, state);
    return TRUE;
}

LRESULT SetRange(HWND picker, DateTimePickerState &state, WPARAM flags, const SYSTEMTIME *limits) {
    if (limits == nullptr) return FALSE;
    if ((flags & GDTR_MIN) && !IsValidSystemTime(limits[0])) return FALSE;
    if ((flags & GDTR_MAX) && !IsValidSystemTime(limits[1])) return FALSE;
    state.rangeFlags = static_cast<DWORD>(flags) & (GDTR_MIN | GDTR_MAX);
    if (flags & GDTR_MIN) state.minimum = limits[0];
    if (flags & GDTR_MAX) state.maximum = limits[1];
    state.value = WithinRange(state, state.value);
    ShowValue(picker, state);
    return TRUE;
}

}  // namespace

LRESULT CALLBACK DateTimePickerProcedure(HWND picker, UINT message, WPARAM wParam, LPARAM lParam) {
    DateTimePickerState &state = EnsureStateOf<DateTimePickerState>(picker);
    switch (message) {
        case WM_CREATE: ShowValue(picker, state); return 0;
        case DTM_GETSYSTEMTIME:
            if (state.none) return GDT_NONE;
            if (lParam == 0) return GDT_ERROR;
            *reinterpret_cast<SYSTEMTIME *>(lParam) = state.value;
            return GDT_VALID;
        case DTM_SETSYSTEMTIME: return SetValue(picker, state, wParam, reinterpret_cast<const SYSTEMTIME *>(lParam));
        case DTM_GETRANGE:
            if (lParam != 0) {
                auto *limits = reinterpret_cast<SYSTEMTIME *>(lParam);
                limits[0] = (state.rangeFlags & GDTR_MIN) ? state.minimum : SYSTEMTIME{};
                limits[1] = (state.rangeFlags & GDTR_MAX) ? state.maximum : SYSTEMTIME{};
            }
            return state.rangeFlags;
        case DTM_SETRANGE: return SetRange(picker, state, wParam, reinterpret_cast<const SYSTEMTIME *>(lParam));
        case DTM_SETFORMATA:
            state.format = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
            ShowValue(picker, state);
            return TRUE;
        case WM_SETTEXT: return FALSE;  // the text always shows the value
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default: return DefWindowProcA(picker, message, wParam, lParam);
    }
}

bool DateTimePickerUserPick(HWND picker, const SYSTEMTIME &value) {
    DateTimePickerState *state = StateOf<DateTimePickerState>(picker);
    if (state == nullptr || !IsValidSystemTime(value)) return false;
    // A time picker changes the time of day only, a date picker the date only.
    SYSTEMTIME picked = state->value;
    if (IsTimePicker(picker)) {
        picked.wHour = value.wHour;
        picked.wMinute = value.wMinute;
        picked.wSecond = value.wSecond;
    } else {
        picked.wYear = value.wYear;
        picked.wMonth = value.wMonth;
        picked.wDay = value.wDay;
    }
    picked = WithinRange(*state, picked);
    bool changed = state->none || CompareSystemTimes(picked, state->value) != 0;
    state->value = picked;
    state->none = false;
    ShowValue(picker, *state);
    if (changed) {
        NMDATETIMECHANGE change{};
        change.dwFlags = GDT_VALID;
        change.st = picked;
        NotifyParent(picker, DTN_DATETIMECHANGE, &change.nmhdr);
    }
    return true;
}

}  // namespace mfpwin::user
