#include "user/controls/system_time.h"

#include <ctime>
#include <tuple>
#include <algorithm>

namespace mfpwin::user {
namespace {

const char *const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char *const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

std::string Padded(int value, int width) {
    std::string text = std::to_string(value);
    return text.size() < static_cast<size_t>(width) ? std::string(width - text.size(), '0') + text : text;
}

// One picture: a run of the same letter.
std::string Picture(const SYSTEMTIME &value, char letter, int count) {
    int hour12 = value.wHour % 12 == 0 ? 12 : value.wHour % 12;
    switch (letter) {
        case 'd':
            if (count >= 4) return kDayNames[DayOfWeek(value)];
            if (count == 3) return std::string(kDayNames[DayOfWeek(value)]).substr(0, 3);
            return Padded(value.wDay, count);
        case 'M':
            if (count >= 4) return kMonthNames[value.wMonth - 1];
            if (count == 3) return std::string(kMonthNames[value.wMonth - 1]).substr(0, 3);
            return Padded(value.wMonth, count);
        case 'y':
            if (count <= 2) return Padded(value.wYear % 100, count);
            return Padded(value.wYear, 4);
        case 'h': return Padded(hour12, std::min(count, 2));
        case 'H': return Padded(value.wHour, std::min(count, 2));
        case 'm': return Padded(value.wMinute, std::min(count, 2));
        case 's': return Padded(value.wSecond, std::min(count, 2));
        case 't': return std::string(value.wHour < 12 ? "AM" : "PM").substr(0, count >= 2 ? 2 : 1);
        default: return std::string(count, letter);
    }
}

}  // namespace

SYSTEMTIME CurrentLocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return SYSTEMTIME{static_cast<WORD>(local.tm_year + 1900), static_cast<WORD>(local.tm_mon + 1),
                      static_cast<WORD>(local.tm_wday),         static_cast<WORD>(local.tm_mday),
                      static_cast<WORD>(local.tm_hour),         static_cast<WORD>(local.tm_min),
                      static_cast<WORD>(local.tm_sec),          0};
}

bool IsValidSystemTime(const SYSTEMTIME &value) {
    return value.wYear >= 1601 && value.wYear <= 30827 && value.wMonth >= 1 && value.wMonth <= 12 && value.wDay >= 1 &&
           value.wDay <= DaysInMonth(value.wYear, value.wMonth) && value.wHour < 24 && value.wMinute < 60 &&
           value.wSecond < 60 && value.wMilliseconds < 1000;
}

int CompareSystemTimes(const SYSTEMTIME &left, const SYSTEMTIME &right) {
    auto key = [](const SYSTEMTIME &t) { return std::tie(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond); };
    return key(left) < key(right) ? -1 : key(right) < key(left) ? 1 : 0;
}

WORD DayOfWeek(const SYSTEMTIME &value) {
    // Sakamoto's method: 0 is Sunday.
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int year = value.wYear - (value.wMonth < 3 ? 1 : 0);
    return static_cast<WORD>((year + year / 4 - year / 100 + year / 400 + offsets[value.wMonth - 1] + value.wDay) % 7);
}

std::string FormatSystemTime(const SYSTEMTIME &value, const std::string &format) {
    std::string out;
    for (size_t i = 0; i < format.size();) {
        char letter = format[i];
        if (letter == '\'') {
            size_t close = format.find('\'', i + 1);
            if (close == std::string::npos) close = format.size();
            out += format.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < format.size() && format[i + run] == letter) ++run;
        if (std::string("dMyhHmst").find(letter) != std::string::npos) out += Picture(value, letter, static_cast<int>(run));
        else out += format.substr(i, run);
        i += run;
    }
    return out;
}

}  // namespace mfpwin::user
