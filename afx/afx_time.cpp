#include "afx_time.h"

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = dst;
    time_ = static_cast<int64_t>(std::mktime(&fields));
}

CTime::CTime(const SYSTEMTIME &local, int dst)
    : CTime(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond, dst) {}

CTime CTime::GetCurrentTime() { return CTime(static_cast<int64_t>(std::time(nullptr))); }

bool CTime::GetLocalTm(std::tm &out) const {
    std::time_t value = static_cast<std::time_t>(time_);
    return localtime_r(&value, &out) != nullptr;
}

std::tm CTime::Local() const {
    std::tm fields{};
    GetLocalTm(fields);
    return fields;
}

bool CTime::GetAsSystemTime(SYSTEMTIME &out) const {
    std::tm fields{};
    if (!GetLocalTm(fields)) return false;
    out = SYSTEMTIME{static_cast<WORD>(fields.tm_year + 1900), static_cast<WORD>(fields.tm_mon + 1),
                     static_cast<WORD>(fields.tm_wday),         static_cast<WORD>(fields.tm_mday),
                     static_cast<WORD>(fields.tm_hour),         static_cast<WORD>(fields.tm_min),
                     static_cast<WORD>(fields.tm_sec),          0};
    return true;
}
