// The sample label of the edition painted in the main window in both views
// at every window scale: the pages carry their catalog inside the window,
// the background colour lies around them, and nothing is reported. With
// LABEL_SCREENSHOTS set the pictures are kept for looking at.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "editions/edition.h"
#include "render/label_geometry.h"
#include "render/page_origin.h"
#include "shell/page_clicks.h"
#include "base/report.h"
#include "shell/view_points.h"
#include "shell/view_state.h"
#include "shell/win32/bars.h"
#include "shell/win32/label_view_win32.h"
#include "shell/win32/object_drag_win32.h"
#include "shell/win32/win_state.h"
#include "tests/gui/gui_harness.h"
#include "tests/gui/view_input.h"
#include "tests/samples/sample_labels.h"

namespace {

std::vector<std::string> g_reports;
void RecordReport(const char*, const char* text) { g_reports.push_back(text); }

// Around the label: a colour no sample uses.
const COLORREF kBackColor = RGB(250, 250, 210);

class LabelPicturesTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess(kViewTestIni);
        ASSERT_NE(window_, nullptr);
        g_reports.clear();
        SetReportHook(RecordReport);
        const EditionProfile& edition = TheEdition();
        for (int i = 0; i < g_labelCount; ++i) BuildSampleLabel(&g_labelRecords[i], edition, i);
        g_settings.BackColor = kBackColor;
        floppy_ = edition.id == EDITION_WIMBROOK;
        g_view.labelKind = floppy_ ? KIND_SHEET : KindForFormat(g_currentLabel->LblFmt);
    }
    void TearDown() override {
        ClearObjectSelection(g_currentLabel);
        for (int i = 0; i < g_labelCount; ++i) ClearLabel(&g_labelRecords[i]);
        CloseMainWindowInProcess();
    }
    // Pixels of the page's body region that are neither white nor the
    // background around the label: the catalog's text and lines.
    int InkOnBody(int page) {
        PageOrigin(g_currentLabel, page);
        LabelRect body;
        if (!GetTextRect(TheEdition(), g_view.labelKind, page, &body)) return 0;
        LabelRect onScreen = PageUnitsToLogical(body, *g_currentLabel, HalfSizeView());
        LabelRect inner = InflateLabelRect(onScreen, -3);
        int all = 0;
        RECT r = LogicalToClientForTest(inner);
        HDC dc = GetDC(window_);
        for (int y = r.top; y < r.bottom; y += 2)
            for (int x = r.left; x < r.right; x += 2) {
                COLORREF c = GetPixel(dc, x, y);
                if (c != RGB(255, 255, 255) && c != kBackColor && c != CLR_INVALID) ++all;
            }
        ReleaseDC(window_, dc);
        return all;
    }
    RECT LogicalToClientForTest(const LabelRect& rect) {
        POINT a = ClientPixelOf(window_, {rect.left, rect.top});
        POINT b = ClientPixelOf(window_, {rect.right, rect.bottom});
        return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    }
    HWND window_ = nullptr;
    bool floppy_ = false;
};

TEST_F(LabelPicturesTest, SampleLabelInBothViewsAtEveryScale) {
    std::string name = TheEdition().name;
    for (int fullSize : {1, 0}) {
        if (floppy_ && !fullSize) continue;
        for (double scale : {0.5, 0.75, 1.0, 1.25, 1.5}) {
            std::string view = std::string(fullSize ? "full" : "spread") + "-" + std::to_string(int(scale * 100));
            SCOPED_TRACE(view);
            ScaleWindow(scale);
            g_view.fullSize = fullSize;
            SwitchPage(0, 1);
            RepaintNow(window_);
            EXPECT_GT(InkOnBody(1), 50) << "the front page carries catalog text";
            // Around the label the window shows the background colour: the
            // bottom-left corner above the status bar lies left of the page.
            RECT status;
            GetWindowRect(g_win.status, &status);
            POINT corner = {status.left, status.top};
            ScreenToClient(window_, &corner);
            HDC dc = GetDC(window_);
            COLORREF colour = GetPixel(dc, corner.x + 1, corner.y - 3);
            ReleaseDC(window_, dc);
            EXPECT_EQ(colour, kBackColor);
            SaveWindowPicture(window_, name + "-" + view);
            if (scale == 1.0) {
                SwitchPage(CurrentLabelIndex(), 2);
                RepaintNow(window_);
                EXPECT_GT(InkOnBody(2), 50) << "the second page carries catalog text";
                SaveWindowPicture(window_, name + "-" + view + "-page2");
            }
        }
    }
    EXPECT_TRUE(g_reports.empty()) << g_reports.front();
}

TEST_F(LabelPicturesTest, InnerPagesAndASelectedObject) {
    std::string name = TheEdition().name;
    // A page of the sample with objects on it.
    if (floppy_) {
        SwitchPage(4, 1);
    } else {
        g_view.labelKind = KIND_BOOKLET;
        SwitchPage(0, TheEdition().id == EDITION_KESTRIN ? 4 : 2);
    }
    for (int fullSize : {1, 0}) {
        if (floppy_ && !fullSize) continue;
        g_view.fullSize = fullSize;
        SwitchPage(CurrentLabelIndex(), g_view.currentPage);
        RepaintNow(window_);
        // Select the first object of the current page by clicking it.
        const ZIPINFO& label = *g_currentLabel;
        int target = -1;
        for (int i = 0; i < label.NumObjects && target < 0; ++i)
            if (label.Objects[i].rec.Page == g_view.currentPage && label.Objects[i].rec.Layer != LAYER_BELOW) target = i;
        ASSERT_GE(target, 0);
        const ObjectRecord& rec = label.Objects[target].rec;
        ClickAt(window_, LogicalOfPagePoint(g_view.currentPage, {(rec.Left + rec.Right) / 2, (rec.Top + rec.Bottom) / 2}));
        EXPECT_NE(g_currentLabel->SelectionKind, SELECTED_NOTHING);
        RepaintNow(window_);
        SaveWindowPicture(window_, name + (fullSize ? "-full" : "-spread") + "-inner-selected");
    }
    EXPECT_TRUE(g_reports.empty()) << g_reports.front();
}

}  // namespace
