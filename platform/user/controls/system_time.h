// Calendar arithmetic and formatting of SYSTEMTIME values for the date-and-time picker.
#pragma once

#include <string>

#include "mfpwin/systemtime.h"

namespace mfpwin::user {

SYSTEMTIME CurrentLocalTime();
bool IsValidSystemTime(const SYSTEMTIME &value);
// Orders by date and time of day (milliseconds and day of week ignored).
int CompareSystemTimes(const SYSTEMTIME &left, const SYSTEMTIME &right);
WORD DayOfWeek(const SYSTEMTIME &value);
// Formats with the picker's pictures: d dd ddd dddd M MM MMM MMMM y yy yyyy h hh H HH m mm
// s ss t tt, text in single quotes taken literally.
std::string FormatSystemTime(const SYSTEMTIME &value, const std::string &format);

}  // namespace mfpwin::user
