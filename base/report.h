// Reports that core code raises and the Win32 glue shows as message boxes:
// "BAD STUFF" for violated internal assumptions and failed drawing calls
// (processing continues), "Fatal Error" for failed catalog allocations
// (the program ends). Native tests install recorders instead.
#pragma once

using ReportHook = void (*)(const char* title, const char* text);
using ExitHook = void (*)(int code);

// Title "BAD STUFF", error icon; returns and processing goes on.
void ReportBadStuff(const char* text);

// A user-facing error message box (error icon) with its own title; the
// program goes on.
void ReportError(const char* title, const char* text);

// Title "Fatal Error", error icon; then the program ends with a non-zero
// exit code (a fatal error is never reported to the caller as success).
[[noreturn]] void FatalError(const char* text);

// Exit code of a fatal error.
constexpr int kFatalExitCode = 3;

// The fatal text of memory that ran out while the program's state (the
// label's catalog among it) was being changed: a command or the main
// window's own work.
constexpr const char* kNoMemoryFatal = "Can't allocate memory, exiting Verrick";

// Painting reports from inside a paint, and every box it shows covers the
// window and so asks for another paint. Between these calls (they nest) a
// report text already shown from a paint is not shown again for the rest
// of the run.
void BeginPaintReports();
void EndPaintReports();

// A print job draws every page of every copy: between these calls a report
// text shows once, and each job starts afresh.
void BeginJobReports();
void EndJobReports();

// Replace how reports are shown and how the program ends; null restores the
// defaults (standard error, std::exit).
void SetReportHook(ReportHook hook);
void SetExitHook(ExitHook hook);
