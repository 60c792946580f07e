// CTime: a moment as seconds since 1970-01-01 UTC, broken down in local time.
#pragma once

#include <cstdint>
#include <ctime>

#include "mfpwin/systemtime.h"

class CTime {
public:
    CTime() = default;
    CTime(int64_t seconds) : time_(seconds) {}
    // Local calendar time; dst < 0 lets the library decide whether summer time applies.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);
    explicit CTime(const SYSTEMTIME &local, int dst = -1);

    static CTime GetCurrentTime();
    int64_t GetTime() const { return time_; }
    int GetYear() const { return Local().tm_year + 1900; }
    int GetMonth() const { return Local().tm_mon + 1; }
    int GetDay() const { return Local().tm_mday; }
    int GetHour() const { return Local().tm_hour; }
    int GetMinute() const { return Local().tm_min; }
    int GetSecond() const { return Local().tm_sec; }
    int GetDayOfWeek() const { return Local().tm_wday + 1; }
    // The local calendar fields; FALSE when the moment cannot be broken down.
    bool GetLocalTm(std::tm &out) const;
    bool GetAsSystemTime(SYSTEMTIME &out) const;

    friend bool operator==(const CTime &, const CTime &) = default;
    friend auto operator<=>(const CTime &, const CTime &) = default;

private:
    std::tm Local() const;
    int64_t time_ = 0;
};
