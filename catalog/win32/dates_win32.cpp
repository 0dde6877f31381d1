#include "catalog/win32/dates_win32.h"

#include <windows.h>

#include "catalog/dates.h"
#include "base/text_field.h"

namespace {
void LocaleDates(char* shortDate, int shortSize, char* longDate, int longSize) {
    char text[256];
    if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text)) text[0] = '\0';
    CopyText(shortDate, static_cast<size_t>(shortSize), text);
    if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, text, sizeof text)) text[0] = '\0';
    CopyText(longDate, static_cast<size_t>(longSize), text);
}
}  // namespace

void InstallWin32DateHook() { SetTodayDatesHook(LocaleDates); }
