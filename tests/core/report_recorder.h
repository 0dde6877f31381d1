// Captures the reports core code raises ("BAD STUFF", user errors) while a
// test runs, instead of showing or printing them.
#pragma once
#include <string>
#include <vector>

#include "base/report.h"

struct RecordedReport {
    std::string title;
    std::string text;
};

class ReportRecorder {
public:
    ReportRecorder() {
        Reports().clear();
        SetReportHook(Record);
    }
    ~ReportRecorder() { SetReportHook(nullptr); }
    const std::vector<RecordedReport>& reports() const { return Reports(); }
    void clear() { Reports().clear(); }

private:
    static std::vector<RecordedReport>& Reports() {
        static std::vector<RecordedReport> reports;
        return reports;
    }
    static void Record(const char* title, const char* text) { Reports().push_back({title, text}); }
};
