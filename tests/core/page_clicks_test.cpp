// What clicks on the label view mean: spreads, page turning per edition,
// label regions, double-click commands, Wimbrook's sheet map, the page
// markers, and keeping the view on pages the kind has.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "catalog/labels.h"
#include "render/page_origin.h"
#include "editions/command_ids.h"
#include "shell/page_clicks.h"
#include "shell/page_markers.h"
#include "shell/program_records.h"
#include "shell/view_pages.h"
#include "shell/view_state.h"
#include "tests/core/program_state.h"

namespace {

// The drawing origin below a toolbar 29 units high.
constexpr int kX0 = 7;
constexpr int kY0 = -35;

ZIPINFO Placed(const EditionProfile& edition, int kind, int page, int fullSize) {
    ZIPINFO label;
    std::memset(&label, 0, sizeof label);
    PageOriginFor(&label, edition, kind, page, fullSize, kX0, kY0);
    return label;
}

TEST(PageClicks, SpreadsPairAnOddPageWithTheFollowingEvenPage) {
    EXPECT_EQ(SpreadOddPage(1), 1);
    EXPECT_EQ(SpreadEvenPage(1), 2);
    EXPECT_EQ(SpreadOddPage(2), 1);
    EXPECT_EQ(SpreadOddPage(4), 3);
    EXPECT_EQ(SpreadEvenPage(3), 4);
    EXPECT_EQ(SpreadEvenPage(1000), 1000);
    EXPECT_EQ(SpreadOddPage(1000), 999);
}

TEST(PageClicks, KestrinSpreadSplitsAtTheOddPagesLeftEdge) {
    ZIPINFO odd = Placed(kKestrinProfile, KIND_BOOKLET, 3, 0);
    int edge = odd.LabelOriginX;
    EXPECT_EQ(ClickedSpreadPage(kKestrinProfile, KIND_BOOKLET, 3, {edge - 1, -100}, kX0, kY0, false), 4);
    EXPECT_EQ(ClickedSpreadPage(kKestrinProfile, KIND_BOOKLET, 4, {edge, -100}, kX0, kY0, false), 3);
    EXPECT_EQ(ClickedSpreadPage(kKestrinProfile, KIND_BOOKLET, 4, {edge, -100}, kX0, kY0, true), 4);
    EXPECT_EQ(ClickedSpreadPage(kKestrinProfile, KIND_COVERS, 1, {edge + 100, -100}, kX0, kY0, false), 1);
}

TEST(PageClicks, DovantelSpreadSplitsAtTheLowerPagesTopEdge) {
    ZIPINFO lower = Placed(kDovantelProfile, KIND_BOOKLET, 2, 0);
    int edge = lower.LabelOriginY;
    EXPECT_EQ(edge, kY0 - 229);
    EXPECT_EQ(ClickedSpreadPage(kDovantelProfile, KIND_BOOKLET, 5, {300, edge - 1}, kX0, kY0, false), 6);
    EXPECT_EQ(ClickedSpreadPage(kDovantelProfile, KIND_BOOKLET, 6, {300, edge}, kX0, kY0, false), 5);
    EXPECT_EQ(ClickedSpreadPage(kDovantelProfile, KIND_BOOKLET, 6, {300, edge}, kX0, kY0, true), 6);
}

TEST(PageClicks, KestrinPageTurning) {
    const EditionProfile& k = kKestrinProfile;
    ZIPINFO page1 = Placed(k, KIND_BOOKLET, 1, 1);
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 1, {5, -100}, page1), 2);
    // Odd pages from 3: below the bottom edge back, elsewhere forward.
    ZIPINFO page5 = Placed(k, KIND_BOOKLET, 5, 1);
    int bottom = page5.LabelOriginY + page5.PageHeight;
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 5, {300, bottom - 1}, page5), 4);
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 5, {300, bottom}, page5), 6);
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 5, {580, -100}, page5), 6);
    // Even pages: right of x = 295 back, left of it forward.
    ZIPINFO page4 = Placed(k, KIND_BOOKLET, 4, 1);
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 4, {296, -600}, page4), 3);
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 4, {295, -600}, page4), 5);
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 4, {20, -100}, page4), 5);
    // Covers: the back cover always leads to the front cover.
    ZIPINFO page2 = Placed(k, KIND_COVERS, 2, 1);
    EXPECT_EQ(PageAfterClick(k, KIND_COVERS, 2, {20, -100}, page2), 1);
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 2, {20, -100}, page2), 3);
    // Never beyond page 1000.
    ZIPINFO page1000 = Placed(k, KIND_BOOKLET, 1000, 1);
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 1000, {20, -100}, page1000), 1000);
    ZIPINFO page999 = Placed(k, KIND_BOOKLET, 999, 1);
    EXPECT_EQ(PageAfterClick(k, KIND_BOOKLET, 999, {580, -100}, page999), 1000);
}

TEST(PageClicks, DovantelAndWimbrookPageTurning) {
    const EditionProfile& d = kDovantelProfile;
    ZIPINFO page3 = Placed(d, KIND_BOOKLET, 3, 1);
    EXPECT_EQ(PageAfterClick(d, KIND_BOOKLET, 1, {5, -100}, page3), 2);
    EXPECT_EQ(PageAfterClick(d, KIND_BOOKLET, 3, {306, -100}, page3), 2);
    EXPECT_EQ(PageAfterClick(d, KIND_BOOKLET, 3, {307, -100}, page3), 4);
    EXPECT_EQ(PageAfterClick(d, KIND_COVERS, 2, {600, -100}, page3), 1);
    EXPECT_EQ(PageAfterClick(d, KIND_BOOKLET, 1000, {600, -100}, page3), 1000);
    EXPECT_EQ(PageAfterClick(kWimbrookProfile, KIND_SHEET, 1, {5, -100}, page3), 1);
}

TEST(PageClicks, RegionsPerEdition) {
    EXPECT_EQ(RegionAt(kKestrinProfile, KIND_COVERS, 1, {80, -10}), REGION_BODY);
    EXPECT_EQ(RegionAt(kKestrinProfile, KIND_COVERS, 1, {74, -10}), REGION_SPINE);
    EXPECT_EQ(RegionAt(kKestrinProfile, KIND_COVERS, 1, {569, -10}), REGION_NONE);
    EXPECT_EQ(RegionAt(kKestrinProfile, KIND_BOOKLET, 3, {30, -10}), REGION_NONE);  // no spine inside
    EXPECT_EQ(RegionAt(kDovantelProfile, KIND_COVERS, 1, {10, -10}), REGION_SPINE);
    EXPECT_EQ(RegionAt(kDovantelProfile, KIND_COVERS, 1, {580, -10}), REGION_SPINE);  // second spine
    EXPECT_EQ(RegionAt(kDovantelProfile, KIND_BOOKLET, 4, {10, -10}), REGION_NONE);   // inner margin
    EXPECT_EQ(RegionAt(kWimbrookProfile, KIND_SHEET, 1, {100, -220}), REGION_SPINE);
    EXPECT_EQ(RegionAt(kWimbrookProfile, KIND_SHEET, 1, {100, -250}), REGION_NONE);
    EXPECT_EQ(RegionAt(kWimbrookProfile, KIND_SHEET, 2, {100, -199}), REGION_BODY);
}

TEST(PageClicks, DoubleClickInTheCommentStripEditsTheCommentOnlyWhenItShows) {
    ZIPINFO label = Placed(kKestrinProfile, KIND_COVERS, 1, 1);
    label.ShowComm = 1;
    int bottom = label.LabelOriginY + label.PageHeight;
    DoubleClick body = {false, false, false, REGION_BODY, 1, false};
    EXPECT_EQ(DoubleClickCommand(body, label, {300, bottom + 24}), CMD_EDIT_COMMENT);
    EXPECT_EQ(DoubleClickCommand(body, label, {300, bottom + 25}), CMD_READ_DISK);
    label.ShowComm = 0;
    EXPECT_EQ(DoubleClickCommand(body, label, {300, bottom + 5}), CMD_READ_DISK);
    label.ShowComm = 1;
    body.page = 2;
    EXPECT_EQ(DoubleClickCommand(body, label, {300, bottom + 5}), CMD_READ_DISK);
    // The spread view: half the height, 15 units.
    ZIPINFO half = Placed(kKestrinProfile, KIND_COVERS, 1, 0);
    half.ShowComm = 1;
    int halfBottom = half.LabelOriginY + half.PageHeight / 2;
    DoubleClick spread = {false, false, false, REGION_BODY, 1, true};
    EXPECT_EQ(DoubleClickCommand(spread, half, {400, halfBottom + 14}), CMD_EDIT_COMMENT);
    EXPECT_EQ(DoubleClickCommand(spread, half, {400, halfBottom + 15}), CMD_READ_DISK);
}

TEST(PageClicks, DoubleClickOnTheSpineObjectsAndWithShift) {
    ZIPINFO label = Placed(kKestrinProfile, KIND_COVERS, 1, 1);
    EXPECT_EQ(DoubleClickCommand({false, false, false, REGION_SPINE, 1, false}, label, {10, -50}),
              CMD_EDIT_SPINE_TEXT);
    EXPECT_EQ(DoubleClickCommand({true, false, false, REGION_NONE, 1, false}, label, {10, -50}),
              CMD_EDIT_SPINE_TEXT);
    EXPECT_EQ(DoubleClickCommand({false, true, true, REGION_NONE, 1, false}, label, {10, -50}), CMD_MODIFY_TEXT);
    EXPECT_EQ(DoubleClickCommand({false, true, false, REGION_NONE, 1, false}, label, {10, -50}), 0);
    EXPECT_EQ(DoubleClickCommand({false, false, false, REGION_NONE, 1, false}, label, {10, -50}), 0);
}

TEST(PageClicks, WimbrookSheetMapCells) {
    // Without a toolbar the map lies at x 290, 310, 330 and y -50, -70, -90.
    EXPECT_EQ(SheetMapCellRect(0, 7, -6), (LabelRect{290, -50, 310, -70}));
    EXPECT_EQ(SheetMapCellRect(5, 7, -6), (LabelRect{330, -70, 350, -90}));
    EXPECT_EQ(SheetMapLabelAt({290, -50}, 7, -6), 0);
    EXPECT_EQ(SheetMapLabelAt({311, -71}, 7, -6), 4);
    EXPECT_EQ(SheetMapLabelAt({349, -109}, 7, -6), 8);
    EXPECT_EQ(SheetMapLabelAt({289, -60}, 7, -6), -1);
    EXPECT_EQ(SheetMapLabelAt({300, -110}, 7, -6), -1);
    EXPECT_EQ(SheetMapLabelAt({350, -60}, 7, -6), -1);
    EXPECT_EQ(SheetMapLabelAt({300, -49}, 7, -6), -1);
    // Below a toolbar it moves down with the drawing origin.
    EXPECT_EQ(SheetMapCellRect(0, 7, -35), (LabelRect{290, -79, 310, -99}));
    EXPECT_EQ(SheetMapLabelAt({300, -80}, 7, -35), 0);
    EXPECT_EQ(SheetMapLabelAt({300, -60}, 7, -35), -1);
    EXPECT_EQ(SheetMapCellFill(3, 3, true), CELL_BLACK);
    EXPECT_EQ(SheetMapCellFill(2, 3, true), CELL_GREY);
    EXPECT_EQ(SheetMapCellFill(2, 3, false), CELL_WHITE);
}

std::string Texts(const PageMarker* m, int n) {
    std::string all;
    for (int i = 0; i < n; ++i) all += std::string(i ? "|" : "") + m[i].text + "@" + std::to_string(m[i].rotation);
    return all;
}

TEST(PageMarkers, KestrinTextsNameThePageAClickLeadsTo) {
    PageMarker m[3];
    ZIPINFO p1 = Placed(kKestrinProfile, KIND_BOOKLET, 1, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kKestrinProfile, KIND_BOOKLET, 1, p1, m)), "( To Back Cover )@0");
    EXPECT_EQ(m[0].rect.top, p1.LabelOriginY + p1.PageHeight);
    EXPECT_EQ(m[0].rect.bottom, p1.LabelOriginY + p1.PageHeight - 35);
    ZIPINFO p2 = Placed(kKestrinProfile, KIND_COVERS, 2, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kKestrinProfile, KIND_COVERS, 2, p2, m)),
              "( To Front Cover )@90|( To Front Cover )@270");
    EXPECT_EQ(m[0].rect.left, p2.LabelOriginX - 30);
    EXPECT_EQ(m[0].rect.right, p2.LabelOriginX + 494 + 30);
    EXPECT_EQ(Texts(m, PageMarkers(kKestrinProfile, KIND_BOOKLET, 2, p2, m)),
              "( To Front Cover )@90|( To Page 2 )@270");
    ZIPINFO p3 = Placed(kKestrinProfile, KIND_BOOKLET, 3, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kKestrinProfile, KIND_BOOKLET, 3, p3, m)),
              "( To Back Cover )@0|( To Page 3 )@270");
    EXPECT_EQ(m[1].rect.left, p3.LabelOriginX + 27);
    ZIPINFO p7 = Placed(kKestrinProfile, KIND_BOOKLET, 7, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kKestrinProfile, KIND_BOOKLET, 7, p7, m)), "( To Page 5 )@0|( To Page 7 )@270");
    ZIPINFO p8 = Placed(kKestrinProfile, KIND_BOOKLET, 8, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kKestrinProfile, KIND_BOOKLET, 8, p8, m)), "( To Page 6 )@90|( To Page 8 )@270");
    ZIPINFO p1000 = Placed(kKestrinProfile, KIND_BOOKLET, 1000, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kKestrinProfile, KIND_BOOKLET, 1000, p1000, m)), "( To Page 998 )@90");
}

TEST(PageMarkers, DovantelTextsAndWimbrookHasNone) {
    PageMarker m[3];
    ZIPINFO p1 = Placed(kDovantelProfile, KIND_COVERS, 1, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kDovantelProfile, KIND_COVERS, 1, p1, m)), "( Down To Front Cover )@0");
    EXPECT_EQ(m[0].rect.bottom, p1.LabelOriginY + p1.PageHeight - 30);
    ZIPINFO p2 = Placed(kDovantelProfile, KIND_COVERS, 2, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kDovantelProfile, KIND_COVERS, 2, p2, m)),
              "( Up To Back Cover )@90|( Up To Back Cover )@270");
    EXPECT_EQ(Texts(m, PageMarkers(kDovantelProfile, KIND_BOOKLET, 2, p2, m)),
              "( Down To Page 2 )@90|( Up To Back Cover )@270");
    ZIPINFO p5 = Placed(kDovantelProfile, KIND_BOOKLET, 5, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kDovantelProfile, KIND_BOOKLET, 5, p5, m)),
              "( Down To Page 5 )@90|( Up To Page 3 )@270");
    EXPECT_EQ(m[0].rect.left, p5.LabelOriginX - 50);
    ZIPINFO p1000 = Placed(kDovantelProfile, KIND_BOOKLET, 1000, 1);
    EXPECT_EQ(Texts(m, PageMarkers(kDovantelProfile, KIND_BOOKLET, 1000, p1000, m)), "( Up To Page 998 )@270");
    ZIPINFO w = Placed(kWimbrookProfile, KIND_SHEET, 1, 1);
    EXPECT_EQ(PageMarkers(kWimbrookProfile, KIND_SHEET, 1, w, m), 0);
}

TEST(PageMarkers, MarkerTextsFitBesideThePageInsideTheWindow) {
    // A line of the marker font is under 20 units. The text's band lies at
    // the rectangle's right edge at 90 degrees, at its left edge at 270
    // and below its top upright: inside the window, off the page, except
    // Kestrin's forward marker, which sits in the strip left of an inner
    // page's body.
    constexpr int kLine = 20;
    for (const EditionProfile* e : {&kKestrinProfile, &kDovantelProfile}) {
        for (int page = 1; page <= 4; ++page) {
            ZIPINFO p = Placed(*e, KIND_BOOKLET, page, 1);
            int pageLeft = p.LabelOriginX, pageRight = p.LabelOriginX + p.PageWidth;
            PageMarker m[3];
            int n = PageMarkers(*e, KIND_BOOKLET, page, p, m);
            for (int i = 0; i < n; ++i) {
                SCOPED_TRACE(std::string(e->name) + " page " + std::to_string(page) + " " + m[i].text);
                const LabelRect& r = m[i].rect;
                if (m[i].rotation == 90) {
                    EXPECT_LE(r.right, e->windowWidth);
                    EXPECT_GE(r.right - kLine, pageRight);
                } else if (m[i].rotation == 270 && (page & 1) && e->id == EDITION_KESTRIN) {
                    EXPECT_GE(r.left, pageLeft);
                    EXPECT_LE(r.left + kLine, pageLeft + 75);
                } else if (m[i].rotation == 270) {
                    EXPECT_GE(r.left, 0);
                    EXPECT_LE(r.left + kLine, pageLeft);
                } else {
                    EXPECT_EQ(r.top, p.LabelOriginY + p.PageHeight);
                    EXPECT_GE(r.top - kLine, kY0 - e->windowHeightLarge);
                }
            }
        }
    }
}

TEST(ViewPages, PagesAndLabelsTheKindHas) {
    EXPECT_TRUE(PageExists(KIND_COVERS, 2));
    EXPECT_FALSE(PageExists(KIND_COVERS, 3));
    EXPECT_FALSE(PageExists(KIND_SHEET, 0));
    EXPECT_TRUE(PageExists(KIND_BOOKLET, 1000));
    EXPECT_FALSE(PageExists(KIND_BOOKLET, 1001));
    EXPECT_EQ(PageInRange(KIND_COVERS, 7), 1);
    EXPECT_EQ(PageInRange(KIND_BOOKLET, 1200), 1000);
    EXPECT_EQ(PageInRange(KIND_BOOKLET, -3), 1);
    EXPECT_EQ(LabelInRange(kWimbrookProfile, KIND_SHEET, 8), 8);
    EXPECT_EQ(LabelInRange(kWimbrookProfile, KIND_SHEET, 9), 0);
    EXPECT_EQ(LabelInRange(kWimbrookProfile, KIND_COVERS, 4), 0);
    EXPECT_EQ(LabelInRange(kKestrinProfile, KIND_BOOKLET, 4), 0);
}

TEST(ViewPages, AViewOnAPageTheKindLacksComesBack) {
    ResetProgramState(kWimbrookProfile);
    g_view.labelKind = KIND_COVERS;
    g_view.currentPage = 5;
    MakeLabelCurrent(6);
    EXPECT_TRUE(BringViewIntoRange(kWimbrookProfile));
    EXPECT_EQ(g_view.currentPage, 1);
    EXPECT_EQ(CurrentLabelIndex(), 0);
    EXPECT_EQ(g_currentLabel, &g_labelRecords[0]);
    EXPECT_FALSE(BringViewIntoRange(kWimbrookProfile));
    ResetProgramState(kKestrinProfile);
}

}  // namespace
