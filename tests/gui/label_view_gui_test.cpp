// The label view with real clicks: page turning, the spread view's page
// choice and highlight, double clicks, right-click pop-ups, Wimbrook's sheet
// map, page markers, and pages the kind does not have.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "editions/edition.h"
#include "render/label_geometry.h"
#include "render/page_origin.h"
#include "editions/command_ids.h"
#include "shell/page_clicks.h"
#include "shell/program_records.h"
#include "base/report.h"
#include "shell/view_points.h"
#include "shell/view_state.h"
#include "shell/win32/label_view_win32.h"
#include "shell/win32/menus_win32.h"
#include "shell/win32/win_state.h"
#include "tests/gui/gui_harness.h"
#include "tests/gui/view_input.h"

namespace {

std::vector<std::string> g_reports;
void RecordReport(const char*, const char* text) { g_reports.push_back(text); }

class LabelViewTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = StartMainWindowInProcess(kViewTestIni);
        ASSERT_NE(window_, nullptr);
        g_reports.clear();
        SetReportHook(RecordReport);
    }
    void TearDown() override {
        EXPECT_TRUE(g_reports.empty()) << g_reports.front();
        ClearObjectSelection(g_currentLabel);
        for (int i = 0; i < g_labelCount; ++i) ClearLabel(&g_labelRecords[i]);
        CloseMainWindowInProcess();
    }
    EditionId Edition() const { return TheEdition().id; }
    void Show(int kind, int page, int fullSize) {
        g_view.labelKind = kind;
        g_view.fullSize = Edition() == EDITION_WIMBROOK ? 1 : fullSize;
        SwitchPage(Edition() == EDITION_WIMBROOK ? CurrentLabelIndex() : 0, page);
        RepaintNow(window_);
    }
    // The current page's placement and a logical point of it.
    const ZIPINFO& Placed() {
        PageOrigin(g_currentLabel, g_view.currentPage);
        return *g_currentLabel;
    }
    LabelPoint OnPage(int x, int y) { return LogicalOfPagePoint(g_view.currentPage, {x, y}); }
    HWND window_ = nullptr;
};

TEST_F(LabelViewTest, CommentStripDoubleClickEditsTheCommentOnlyWhenItShows) {
    if (Edition() == EDITION_WIMBROOK) GTEST_SKIP() << "Wimbrook's comment lies below its body";
    Show(KIND_COVERS, 1, 1);
    g_currentLabel->ShowComm = 1;
    const ZIPINFO& label = Placed();
    LabelPoint strip = OnPage(300, label.PageHeight + 10);
    TakePostedCommands(window_);
    DoubleClickAt(window_, strip);
    EXPECT_EQ(TakePostedCommands(window_), std::vector<int>{CMD_EDIT_COMMENT});
    DoubleClickAt(window_, OnPage(300, -100));
    EXPECT_EQ(TakePostedCommands(window_), std::vector<int>{CMD_READ_DISK});
    g_currentLabel->ShowComm = 0;
    DoubleClickAt(window_, strip);
    EXPECT_EQ(TakePostedCommands(window_), std::vector<int>{CMD_READ_DISK});
    // In the spread view the strip is 15 units high.
    g_currentLabel->ShowComm = 1;
    Show(KIND_COVERS, 1, 0);
    strip = OnPage(300, Placed().PageHeight + 16);
    DoubleClickAt(window_, strip);
    EXPECT_EQ(TakePostedCommands(window_), std::vector<int>{CMD_EDIT_COMMENT});
}

TEST_F(LabelViewTest, DoubleClicksOnTheSpineAndOnAString) {
    Show(KIND_COVERS, 1, 1);
    LabelRect spines[2];
    ASSERT_GT(SpineRegions(TheEdition(), 1, spines), 0);
    LabelPoint spine = OnPage((spines[0].left + spines[0].right) / 2, (spines[0].top + spines[0].bottom) / 2);
    TakePostedCommands(window_);
    DoubleClickAt(window_, spine);
    EXPECT_EQ(TakePostedCommands(window_), std::vector<int>{CMD_EDIT_SPINE_TEXT});
    AddObject(OBJECT_STRING, 1, LAYER_ABOVE, {100, -40, 200, -80});
    DoubleClickAt(window_, OnPage(150, -60));
    EXPECT_EQ(TakePostedCommands(window_), std::vector<int>{CMD_MODIFY_TEXT});
    AddObject(OBJECT_PICTURE, 1, LAYER_ABOVE, {100, -120, 200, -180});
    DoubleClickAt(window_, OnPage(150, -150));
    EXPECT_TRUE(TakePostedCommands(window_).empty()) << "a picture does nothing";
    DoubleClickAt(window_, OnPage(150, -150), {VK_SHIFT});
    EXPECT_EQ(TakePostedCommands(window_), std::vector<int>{CMD_EDIT_SPINE_TEXT});
}

TEST_F(LabelViewTest, ClickingBesideABookletPageTurnsIt) {
    if (Edition() == EDITION_WIMBROOK) GTEST_SKIP() << "Wimbrook does not turn pages by click";
    bool kestrin = Edition() == EDITION_KESTRIN;
    Show(KIND_BOOKLET, 4, 1);
    int middle = Placed().LabelOriginY + Placed().PageHeight / 2;
    int leftOfPage = Placed().LabelOriginX - 10, rightOfPage = Placed().LabelOriginX + Placed().PageWidth + 10;
    // Kestrin's even pages: right of x = 295 back, left of it forward.
    // Dovantel's pages: left of x = 307 back, right of it forward.
    ASSERT_GT(rightOfPage, kestrin ? 295 : 307);
    ClickAt(window_, {rightOfPage, middle});
    EXPECT_EQ(g_view.currentPage, kestrin ? 3 : 5);
    Show(KIND_BOOKLET, 4, 1);
    ClickAt(window_, {leftOfPage, middle});
    EXPECT_EQ(g_view.currentPage, kestrin ? 5 : 3);
    EXPECT_EQ(Caption(window_), "default - " + std::string(TheEdition().name) + " - Page " +
                                    std::to_string(g_view.currentPage - 1));
    // The front page goes to page 2 wherever the click beside it lands.
    Show(KIND_BOOKLET, 1, 1);
    ClickAt(window_, {Placed().LabelOriginX + Placed().PageWidth + 5, Placed().LabelOriginY - 100});
    EXPECT_EQ(g_view.currentPage, 2);
    // Kestrin's odd inner pages: below the page back, beside it forward.
    if (kestrin) {
        Show(KIND_BOOKLET, 5, 1);
        ClickAt(window_, {300, Placed().LabelOriginY + Placed().PageHeight - 5});
        EXPECT_EQ(g_view.currentPage, 4);
        Show(KIND_BOOKLET, 5, 1);
        ClickAt(window_, {Placed().LabelOriginX + 30, Placed().LabelOriginY - 100});
        EXPECT_EQ(g_view.currentPage, 6) << "the strip left of the body leads on";
    }
}

TEST_F(LabelViewTest, PageOneThousandStaysCurrent) {
    if (Edition() == EDITION_WIMBROOK) GTEST_SKIP() << "Wimbrook does not turn pages by click";
    Show(KIND_BOOKLET, 1000, 1);
    int middle = Placed().LabelOriginY + Placed().PageHeight / 2;
    int forwardX = Edition() == EDITION_KESTRIN ? Placed().LabelOriginX - 10
                                                : Placed().LabelOriginX + Placed().PageWidth + 10;
    ClickAt(window_, {forwardX, middle});
    EXPECT_EQ(g_view.currentPage, 1000);
    EXPECT_EQ(Caption(window_), "default - " + std::string(TheEdition().name) + " - Page 999");
}

TEST_F(LabelViewTest, SpreadViewClickPicksThePageAndMovesTheRedHighlight) {
    if (Edition() == EDITION_WIMBROOK) GTEST_SKIP() << "Wimbrook has no spread view";
    Show(KIND_BOOKLET, 3, 0);
    auto outline = [this](int page) {
        PageOrigin(g_currentLabel, page);
        const ZIPINFO& l = *g_currentLabel;
        // An edge of the half-size page that the other page does not share:
        // the top edge of Kestrin's pages side by side, the left edge of
        // Dovantel's pages one above the other.
        if (Edition() == EDITION_KESTRIN)
            return LabelRect{l.LabelOriginX + 10, l.LabelOriginY + 1, l.LabelOriginX + l.PageWidth / 2 - 10,
                             l.LabelOriginY - 1};
        return LabelRect{l.LabelOriginX - 1, l.LabelOriginY - 10, l.LabelOriginX + 1,
                         l.LabelOriginY + l.PageHeight / 2 + 10};
    };
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_GT(CountPixels(window_, outline(3), red), 10);
    EXPECT_EQ(CountPixels(window_, outline(4), red), 0);
    // A click on the even page of the spread makes it current.
    PageOrigin(g_currentLabel, 4);
    LabelPoint even = {g_currentLabel->LabelOriginX + 60, g_currentLabel->LabelOriginY - 60};
    ClickAt(window_, even);
    SaveWindowPicture(window_, std::string(TheEdition().name) + "-spread-page4");
    EXPECT_EQ(g_view.currentPage, 4);
    EXPECT_EQ(CountPixels(window_, outline(3), red), 0) << "the old highlight is erased without a repaint";
    EXPECT_GT(CountPixels(window_, outline(4), red), 10);
    RepaintNow(window_);
    EXPECT_EQ(CountPixels(window_, outline(3), red), 0);
    EXPECT_GT(CountPixels(window_, outline(4), red), 10);
}

TEST_F(LabelViewTest, WimbrookSheetMapCellsMakeTheirLabelCurrent) {
    if (Edition() != EDITION_WIMBROOK) GTEST_SKIP() << "Wimbrook's sheet only";
    g_view.labelKind = KIND_SHEET;
    g_labelRecords[7].NumEntries = 0;
    PlacedObject* object = nullptr;
    {
        int keep = CurrentLabelIndex();
        MakeLabelCurrent(7);
        object = AddObject(OBJECT_STRING, 1, LAYER_ON, {10, -10, 60, -40});
        MakeLabelCurrent(keep);
    }
    ASSERT_NE(object, nullptr);
    Show(KIND_SHEET, 1, 1);
    EXPECT_EQ(Caption(window_), "default - Wimbrook - Label 1");
    auto middle = [](int cell) {
        LabelRect r = SheetMapCellRect(cell, g_view.originX, g_view.originY);
        return LabelPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    EXPECT_EQ(PixelAt(window_, {middle(0).x - 6, middle(0).y + 6}), RGB(0, 0, 0)) << "current label's cell";
    EXPECT_EQ(PixelAt(window_, {middle(7).x - 6, middle(7).y + 6}), RGB(192, 192, 192)) << "a label in use";
    EXPECT_EQ(PixelAt(window_, {middle(4).x - 6, middle(4).y + 6}), RGB(255, 255, 255));
    ClickAt(window_, middle(4));
    EXPECT_EQ(CurrentLabelIndex(), 4);
    EXPECT_EQ(g_currentLabel, &g_labelRecords[4]);
    EXPECT_EQ(g_view.currentPage, 1);
    EXPECT_EQ(Caption(window_), "default - Wimbrook - Label 5");
    RepaintNow(window_);
    EXPECT_EQ(PixelAt(window_, {middle(4).x - 6, middle(4).y + 6}), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(window_, {middle(0).x - 6, middle(0).y + 6}), RGB(255, 255, 255));
    ClickAt(window_, middle(8));
    EXPECT_EQ(CurrentLabelIndex(), 8);
    // One label: no map, and a click there changes nothing.
    Show(KIND_COVERS, 1, 1);
    EXPECT_EQ(CurrentLabelIndex(), 0);
    ClickAt(window_, middle(4));
    EXPECT_EQ(CurrentLabelIndex(), 0);
    EXPECT_EQ(Caption(window_), "default - Wimbrook");
}

TEST_F(LabelViewTest, RightClickPopupsAndTheirChecks) {
    Show(KIND_COVERS, 1, 1);
    AddObject(OBJECT_PICTURE, 1, LAYER_BELOW, {100, -40, 200, -80});
    AddObject(OBJECT_STRING, 1, LAYER_ON, {100, -100, 200, -140});
    PopupSeen seen;
    ExpectPopupOnNextRightClick(&seen);
    RightClickAt(window_, OnPage(150, -60));
    EXPECT_EQ(seen.menu, g_menus.imagePopup);
    EXPECT_TRUE(seen.StateOf(CMD_LAYER_BELOW) & MF_CHECKED);
    EXPECT_FALSE(seen.StateOf(CMD_LAYER_ABOVE) & MF_CHECKED);
    EXPECT_EQ(g_currentLabel->SelectionKind, SELECTED_PICTURE);

    ExpectPopupOnNextRightClick(&seen);
    RightClickAt(window_, OnPage(150, -120));
    EXPECT_EQ(seen.menu, g_menus.stringPopup);
    EXPECT_TRUE(seen.StateOf(CMD_LAYER_ON) & MF_CHECKED);
    EXPECT_EQ(g_currentLabel->SelectionKind, SELECTED_STRING);
    HMENU sub = nullptr;
    for (int i = 0; i < GetMenuItemCount(g_menus.stringPopup) && !sub; ++i) {
        HMENU s = GetSubMenu(g_menus.stringPopup, i);
        if (s && GetMenuState(s, CMD_STRING_SOLID, MF_BYCOMMAND) != static_cast<UINT>(-1)) sub = s;
    }
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(GetMenuState(sub, CMD_STRING_SOLID, MF_BYCOMMAND) & MF_CHECKED);

    g_currentLabel->ShowSize = 0;
    g_currentLabel->Columns = 2;
    ExpectPopupOnNextRightClick(&seen);
    RightClickAt(window_, OnPage(150, -180));
    EXPECT_EQ(seen.menu, g_menus.bodyPopup);
    EXPECT_FALSE(seen.StateOf(CMD_SHOW_SIZE) & MF_CHECKED);
    EXPECT_TRUE(seen.StateOf(CMD_SHOW_EXT) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(g_menus.bodyPopup, CMD_COLUMNS_2, MF_BYCOMMAND) & MF_CHECKED);

    LabelRect spines[2];
    SpineRegions(TheEdition(), 1, spines);
    g_currentLabel->SpineAlign = 1;
    ExpectPopupOnNextRightClick(&seen);
    RightClickAt(window_, OnPage((spines[0].left + spines[0].right) / 2, (spines[0].top + spines[0].bottom) / 2));
    EXPECT_EQ(seen.menu, g_menus.spinePopup);
    HMENU alignment = nullptr;
    for (int i = 0; i < GetMenuItemCount(g_menus.spinePopup) && !alignment; ++i) {
        HMENU s = GetSubMenu(g_menus.spinePopup, i);
        if (s && GetMenuState(s, CMD_SPINE_CENTER, MF_BYCOMMAND) != static_cast<UINT>(-1)) alignment = s;
    }
    ASSERT_NE(alignment, nullptr);
    EXPECT_TRUE(GetMenuState(alignment, CMD_SPINE_CENTER, MF_BYCOMMAND) & MF_CHECKED);

    // Off the page: the Page pop-up, the front cover checked.
    ExpectPopupOnNextRightClick(&seen);
    RightClickAt(window_, {Placed().LabelOriginX + 5, Placed().LabelOriginY + Placed().PageHeight - 5});
    EXPECT_EQ(seen.menu, g_menus.pagePopup);
    EXPECT_TRUE(seen.StateOf(CMD_FRONT_COVER) & MF_CHECKED);
    EXPECT_FALSE(seen.StateOf(CMD_BACK_COVER) & MF_CHECKED);
    if (Edition() != EDITION_WIMBROOK) {
        EXPECT_TRUE(seen.StateOf(CMD_GOTO_PAGE) & MF_GRAYED);
    }
    TakePostedCommands(window_);
}

TEST_F(LabelViewTest, PageMarkersAreDrawnBesideThePage) {
    if (Edition() == EDITION_WIMBROOK) GTEST_SKIP() << "Wimbrook has no page markers";
    Show(KIND_BOOKLET, 2, 1);
    const ZIPINFO& label = Placed();
    int left = label.LabelOriginX, right = label.LabelOriginX + label.PageWidth;
    int top = label.LabelOriginY, bottom = label.LabelOriginY + label.PageHeight;
    const COLORREF black = RGB(0, 0, 0);
    int ink = Edition() == EDITION_KESTRIN ? 30 : 50;
    EXPECT_GT(CountPixels(window_, {left - ink, top, left - 2, bottom}, black), 30) << "left of the page";
    EXPECT_GT(CountPixels(window_, {right + 2, top, right + ink, bottom}, black), 30) << "right of the page";
    Show(KIND_BOOKLET, 1, 1);
    const ZIPINFO& front = Placed();
    int frontBottom = front.LabelOriginY + front.PageHeight;
    EXPECT_GT(CountPixels(window_, {front.LabelOriginX, frontBottom - 2, front.LabelOriginX + front.PageWidth,
                                    frontBottom - 30},
                          black),
              30)
        << "below the page";
}

TEST_F(LabelViewTest, TheFirstPaintRulesRowsAtTheMeasuredLineHeights) {
    // Painted before the heights were measured, an empty lined label came
    // out as solid black columns (a row for every unit).
    ASSERT_GT(g_currentLabel->FontHeight, 0);
    ASSERT_EQ(g_currentLabel->Lined, 1);
    LabelRect body;
    ASSERT_TRUE(GetTextRect(TheEdition(), g_view.labelKind, 1, &body));
    PageOrigin(g_currentLabel, 1);
    LabelRect area = InflateLabelRect(PageUnitsToLogical(body, *g_currentLabel, HalfSizeView()), -5);
    int black = CountPixels(window_, area, RGB(0, 0, 0));
    int white = CountPixels(window_, area, RGB(255, 255, 255));
    EXPECT_GT(black, 0) << "the rows are ruled";
    EXPECT_GT(white, 3 * black) << "between thin rules";
}

TEST_F(LabelViewTest, APageTheKindLacksIsBroughtBackBeforeItIsDrawn) {
    g_view.labelKind = KIND_COVERS;
    g_view.currentPage = 5;
    MakeLabelCurrent(Edition() == EDITION_WIMBROOK ? 6 : 0);
    RepaintNow(window_);  // the paint brings the view back
    EXPECT_EQ(g_view.currentPage, 1);
    EXPECT_EQ(CurrentLabelIndex(), 0);
    EXPECT_EQ(g_currentLabel, &g_labelRecords[0]);
    // A click on such a view turns nothing that does not exist either.
    g_view.currentPage = 7;
    ClickAt(window_, {g_view.originX + 2, g_view.originY - 2});
    EXPECT_LE(g_view.currentPage, 2);
}

}  // namespace
