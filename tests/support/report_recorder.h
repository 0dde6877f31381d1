// Records "BAD STUFF" and "Fatal Error" reports instead of showing them.
#pragma once
#include <string>
#include <vector>

#include "base/report.h"

inline std::vector<std::string>& RecordedReports() {
    static std::vector<std::string> reports;
    return reports;
}

inline void RecordReport(const char* title, const char* text) {
    RecordedReports().push_back(std::string(title) + ": " + text);
}

// Installs the recorder for the lifetime of the object.
struct ReportRecorder {
    ReportRecorder() {
        RecordedReports().clear();
        SetReportHook(RecordReport);
    }
    ~ReportRecorder() { SetReportHook(nullptr); }
    const std::vector<std::string>& reports() const { return RecordedReports(); }
};
