#include "base/report.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {
void DefaultReport(const char* title, const char* text) {
    std::fprintf(stderr, "%s: %s\n", title, text);
}
void DefaultExit(int code) { std::exit(code); }

ReportHook g_report = DefaultReport;
ExitHook g_exit = DefaultExit;

int g_paintDepth = 0;
std::set<std::string>& ShownFromPaint() {
    static std::set<std::string> shown;
    return shown;
}
int g_jobDepth = 0;
std::set<std::string>& ShownInJob() {
    static std::set<std::string> shown;
    return shown;
}
}  // namespace

void ReportBadStuff(const char* text) {
    if (g_paintDepth > 0 && !ShownFromPaint().insert(text ? text : "").second) return;
    if (g_jobDepth > 0 && !ShownInJob().insert(text ? text : "").second) return;
    g_report("BAD STUFF", text);
}

void BeginJobReports() {
    if (g_jobDepth++ == 0) ShownInJob().clear();
}
void EndJobReports() {
    if (g_jobDepth > 0) --g_jobDepth;
}

void BeginPaintReports() { ++g_paintDepth; }
void EndPaintReports() {
    if (g_paintDepth > 0) --g_paintDepth;
}

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
