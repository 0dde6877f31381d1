#include "catalog/dates.h"

#include <ctime>

#include "base/text_field.h"

namespace {
void DefaultTodayDates(char* shortDate, int shortSize, char* longDate, int longSize) {
    std::time_t now = std::time(nullptr);
    std::tm local = *std::localtime(&now);
    char text[128];
    std::strftime(text, sizeof text, "%m/%d/%y", &local);
    CopyText(shortDate, static_cast<size_t>(shortSize), text);
    std::strftime(text, sizeof text, "%A, %B %d, %Y", &local);
    CopyText(longDate, static_cast<size_t>(longSize), text);
}
TodayDatesHook g_hook = DefaultTodayDates;
}  // namespace

void TodayDates(char* shortDate, int shortSize, char* longDate, int longSize) {
    g_hook(shortDate, shortSize, longDate, longSize);
}

void SetTodayDatesHook(TodayDatesHook hook) { g_hook = hook ? hook : DefaultTodayDates; }
