// Calendar time as the platform passes it around (date-and-time pickers, local time queries).
#pragma once

#include "types.h"

#ifndef MFP_SYSTEMTIME_DEFINED
#define MFP_SYSTEMTIME_DEFINED
typedef struct _SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME, *PSYSTEMTIME, *LPSYSTEMTIME;
#endif
