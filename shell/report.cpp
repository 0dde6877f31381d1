#include "shell/report.h"

#include <cstdio>
#include <cstdlib>

namespace {
void DefaultReport(const char* title, const char* text) {
    std::fprintf(stderr, "%s: %s\n", title, text);
}
void DefaultExit(int code) { std::exit(code); }

ReportHook g_report = DefaultReport;
ExitHook g_exit = DefaultExit;
}  // namespace

void ReportBadStuff(const char* text) { g_report("BAD STUFF", text); }

void ReportError(const char* title, const char* text) { g_report(title, text); }

void FatalError(const char* text) {
    g_report("Fatal Error", text);
    g_exit(kFatalExitCode);
    // An exit hook that returns (tests) must not let the caller go on with
    // memory it does not have.
    std::abort();
}

void SetReportHook(ReportHook hook) { g_report = hook ? hook : DefaultReport; }
void SetExitHook(ExitHook hook) { g_exit = hook ? hook : DefaultExit; }
