// Reports raised while painting or printing show once.
#include <gtest/gtest.h>

#include "base/report.h"
#include "tests/core/report_recorder.h"

namespace {

TEST(PaintReports, AReportFromAPaintShowsOnceEvenOverManyPaints) {
    ReportRecorder recorder;
    ReportBadStuff("outside a paint");
    ReportBadStuff("outside a paint");
    EXPECT_EQ(recorder.reports().size(), 2u) << "outside a paint every report shows";
    recorder.clear();
    for (int paint = 0; paint < 5; ++paint) {
        BeginPaintReports();
        ReportBadStuff("GetTextRect - !(1<=Position<=2)");
        BeginPaintReports();  // a paint inside the box's own message loop
        ReportBadStuff("GetTextRect - !(1<=Position<=2)");
        ReportBadStuff("MyDrawText - TextOut failure");
        EndPaintReports();
        EndPaintReports();
    }
    ASSERT_EQ(recorder.reports().size(), 2u);
    EXPECT_EQ(recorder.reports()[0].title, "BAD STUFF");
    EXPECT_EQ(recorder.reports()[0].text, "GetTextRect - !(1<=Position<=2)");
    EXPECT_EQ(recorder.reports()[1].text, "MyDrawText - TextOut failure");
    EndPaintReports();  // an extra end does not leave painting "negative"
    BeginPaintReports();
    ReportBadStuff("first seen in this paint");
    EndPaintReports();
    EXPECT_EQ(recorder.reports().size(), 3u);
}

TEST(PaintReports, AReportInAPrintJobShowsOncePerJob) {
    ReportRecorder recorder;
    for (int job = 0; job < 2; ++job) {
        BeginJobReports();
        for (int copy = 0; copy < 3; ++copy) ReportBadStuff("MyDrawText - TextOut failure");
        EndJobReports();
    }
    EXPECT_EQ(recorder.reports().size(), 2u);
}

}  // namespace
