// The menu rules' inputs gathered from the program's state, and reports
// raised while painting.
#include <gtest/gtest.h>

#include <cstring>

#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "shell/menu_inputs.h"
#include "base/report.h"
#include "shell/view_state.h"
#include "tests/core/program_state.h"
#include "tests/core/report_recorder.h"

namespace {

TEST(MenuInputs, GatheredFromViewScanSettingsLookAndSelection) {
    ResetProgramState(kKestrinProfile);
    g_view.windowScale = 1.25;
    g_view.labelKind = KIND_BOOKLET;
    g_view.currentPage = 4;
    g_view.fullSize = 1;
    g_scan.DispSub = -3;
    g_scan.DirComm = 2;
    g_scan.ScanArchives = 1;
    g_settings.UseDAT = 0;
    ZIPINFO* label = g_currentLabel;
    label->LblFmt = 6;
    label->Columns = 5;
    label->SortMode = 3;
    label->Direction = -1;
    label->ShowSize = 0;
    label->SpineAlign = 2;
    MenuInputs in = GatherMenuInputs(label);
    EXPECT_DOUBLE_EQ(in.windowScale, 1.25);
    EXPECT_EQ(in.labelKind, KIND_BOOKLET);
    EXPECT_EQ(in.currentPage, 4);
    EXPECT_EQ(in.fullSize, 1);
    EXPECT_EQ(in.dispSub, -3);
    EXPECT_EQ(in.dirComm, 2);
    EXPECT_EQ(in.scanArchives, 1);
    EXPECT_EQ(in.useTemplates, 0);
    EXPECT_EQ(in.lblFmt, 6);
    EXPECT_EQ(in.columns, 5);
    EXPECT_EQ(in.sortMode, 3);
    EXPECT_EQ(in.direction, -1);
    EXPECT_EQ(in.showSize, 0);
    EXPECT_EQ(in.spineAlign, 2);
    EXPECT_EQ(in.selectionKind, 0);

    PlacedObject string;
    std::memset(&string, 0, sizeof string);
    string.rec.Type = OBJECT_STRING;
    string.rec.Layer = LAYER_BELOW;
    string.rec.Orientation = 270;
    string.rec.HAlign = 2;
    string.rec.AutoSize = 0;
    ASSERT_TRUE(InsertObjectAtHead(label, string));
    in = GatherMenuInputs(label);
    EXPECT_EQ(in.selectionKind, 0) << "present but not selected";
    SelectListObject(label, 0);
    in = GatherMenuInputs(label);
    EXPECT_EQ(in.selectionKind, SELECTED_STRING);
    EXPECT_EQ(in.layer, LAYER_BELOW);
    EXPECT_EQ(in.orientation, 270);
    EXPECT_EQ(in.hAlign, 2);
    EXPECT_EQ(in.autoSize, 0);
    ResetProgramState(kKestrinProfile);
}

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
