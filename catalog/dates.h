// Today's date in the user's locale, short and long form. The Win32 glue
// asks GetDateFormat; the core's default (used by native tests) formats
// with the C library.
#pragma once

using TodayDatesHook = void (*)(char* shortDate, int shortSize, char* longDate, int longSize);

void TodayDates(char* shortDate, int shortSize, char* longDate, int longSize);
void SetTodayDatesHook(TodayDatesHook hook);  // null restores the default
