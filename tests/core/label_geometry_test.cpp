// Page sizes, regions, formats and page origins of the three editions.
#include <gtest/gtest.h>

#include <cstring>

#include "render/label_geometry.h"
#include "render/page_origin.h"
#include "tests/core/report_recorder.h"

namespace {

const EditionProfile& K = kKestrinProfile;
const EditionProfile& D = kDovantelProfile;
const EditionProfile& W = kWimbrookProfile;

int Width(const LabelRect& r) { return r.right - r.left; }

TEST(LabelGeometry, KestrinFrontIsThreeQuartersOfAnInchWiderWithEqualBodies) {
    LabelSize front = PageSizeFor(K, KIND_COVERS, 1), back = PageSizeFor(K, KIND_COVERS, 2);
    EXPECT_EQ(front.width - back.width, 75);
    EXPECT_EQ(front.height, back.height);
    EXPECT_LT(front.height, 0);
    LabelRect frontBody, backBody, spines[2];
    ASSERT_TRUE(GetTextRect(K, KIND_COVERS, 1, &frontBody));
    ASSERT_TRUE(GetTextRect(K, KIND_COVERS, 2, &backBody));
    EXPECT_EQ(Width(frontBody), 494);
    EXPECT_EQ(Width(backBody), 494);
    // The spine fills the strip left of the front body.
    ASSERT_EQ(SpineRegions(K, 1, spines), 1);
    EXPECT_EQ(spines[0].right, frontBody.left);
    EXPECT_EQ(spines[0].left, 0);
    EXPECT_EQ(SpineRegions(K, 2, spines), 0);
    // Booklet pages alternate between the two covers' shapes.
    LabelRect page5, page6;
    ASSERT_TRUE(GetTextRect(K, KIND_BOOKLET, 5, &page5));
    ASSERT_TRUE(GetTextRect(K, KIND_BOOKLET, 6, &page6));
    EXPECT_EQ(page5, frontBody);
    EXPECT_EQ(page6, backBody);
    EXPECT_EQ(PageSizeFor(K, KIND_BOOKLET, 7).width, front.width);
    EXPECT_EQ(PageSizeFor(K, KIND_BOOKLET, 8).width, back.width);
}

TEST(LabelGeometry, DovantelTrayCardHasTwoSpinesAndBookletPagesAnInnerMargin) {
    LabelRect tray, spines[2];
    ASSERT_TRUE(GetTextRect(D, KIND_COVERS, 1, &tray));
    ASSERT_EQ(SpineRegions(D, 1, spines), 2);
    EXPECT_EQ(spines[0].right, tray.left);
    EXPECT_EQ(spines[1].left, tray.right);
    EXPECT_EQ(spines[1].right, PageSizeFor(D, KIND_COVERS, 1).width);
    LabelRect front, booklet2, booklet3;
    ASSERT_TRUE(GetTextRect(D, KIND_COVERS, 2, &front));
    ASSERT_TRUE(GetTextRect(D, KIND_BOOKLET, 2, &booklet2));
    ASSERT_TRUE(GetTextRect(D, KIND_BOOKLET, 3, &booklet3));
    EXPECT_EQ(front.left, 0);
    EXPECT_EQ(booklet2.left, 20);
    EXPECT_EQ(booklet3, booklet2);
    EXPECT_EQ(PageSizeFor(D, KIND_BOOKLET, 3).width, 480);
    EXPECT_EQ(PageSizeFor(D, KIND_BOOKLET, 1).width, 591);
}

TEST(LabelGeometry, WimbrookBodyIsInsetBySideMarginUnlessTheDefaultPositionIsOn) {
    LabelRect table, catalog;
    ASSERT_TRUE(GetTextRect(W, KIND_SHEET, 1, &table));
    ASSERT_TRUE(CatalogBodyRegion(W, {0.25, 0}, KIND_SHEET, 1, &catalog));
    EXPECT_EQ(catalog.left, table.left + 25);
    EXPECT_EQ(catalog.right, table.right - 25);
    EXPECT_EQ(catalog.top, table.top);
    ASSERT_TRUE(CatalogBodyRegion(W, {0.25, 1}, KIND_SHEET, 2, &catalog));
    EXPECT_EQ(Width(catalog), 275 - 20);
    EXPECT_EQ(catalog.bottom, -200);
    // A margin wider than half the label leaves an empty body, not a negative one.
    ASSERT_TRUE(CatalogBodyRegion(W, {5.0, 0}, KIND_SHEET, 1, &catalog));
    EXPECT_GE(Width(catalog), 0);
    // Other editions are never inset.
    LabelRect k1, k2;
    GetTextRect(K, KIND_COVERS, 1, &k1);
    CatalogBodyRegion(K, {0.25, 0}, KIND_COVERS, 1, &k2);
    EXPECT_EQ(k1, k2);
}

TEST(LabelGeometry, PageOutsideTheCoversIsReportedAndAnswersNothing) {
    ReportRecorder recorder;
    LabelRect region = {1, 2, 3, 4};
    EXPECT_FALSE(GetTextRect(K, KIND_COVERS, 3, &region));
    ASSERT_EQ(recorder.reports().size(), 1u);
    EXPECT_EQ(recorder.reports()[0].title, "BAD STUFF");
    EXPECT_EQ(recorder.reports()[0].text, "GetTextRect - !(1<=Position<=2)");
    EXPECT_EQ(region, (LabelRect{0, 0, 0, 0}));
    EXPECT_FALSE(GetTextRect(W, KIND_SHEET, 0, &region));
    EXPECT_FALSE(GetTextRect(D, KIND_BOOKLET, 0, &region));
    EXPECT_EQ(recorder.reports().size(), 3u);
    // Booklet pages far into the booklet are fine.
    EXPECT_TRUE(GetTextRect(D, KIND_BOOKLET, 999, &region));
    EXPECT_EQ(recorder.reports().size(), 3u);
}

TEST(LabelGeometry, WhichPagesCarryEntries) {
    struct Case {
        int fmt, kind, page;
        bool carries;
    } cases[] = {
        {0, KIND_COVERS, 1, true},   {0, KIND_COVERS, 2, true},   {1, KIND_COVERS, 1, true},
        {2, KIND_COVERS, 1, false},  {2, KIND_COVERS, 2, true},   {3, KIND_COVERS, 1, true},
        {3, KIND_COVERS, 2, false},  {4, KIND_COVERS, 1, true},   {4, KIND_COVERS, 2, true},
        {5, KIND_BOOKLET, 1, false}, {5, KIND_BOOKLET, 2, true},  {5, KIND_BOOKLET, 9, true},
        {6, KIND_BOOKLET, 1, true},  {6, KIND_BOOKLET, 3, true},  {6, KIND_COVERS, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageCarriesEntries(K, c.fmt, c.kind, c.page), c.carries)
            << "format " << c.fmt << " kind " << c.kind << " page " << c.page;
    // Wimbrook's two pages always carry entries, whatever the format says.
    EXPECT_TRUE(PageCarriesEntries(W, 2, KIND_SHEET, 1));
    EXPECT_TRUE(PageCarriesEntries(W, 3, KIND_COVERS, 2));
}

TEST(LabelGeometry, FormatChoiceSetsKindAndBringsBookletPagesBackToTheFront) {
    int fmt = 6, kind = KIND_BOOKLET, page = 4;
    ChooseLabelFormat(K, 4, &fmt, &kind, &page);  // "&Same Text Front And Back"
    EXPECT_EQ(fmt, 4);
    EXPECT_EQ(kind, KIND_COVERS);
    EXPECT_EQ(page, 1);
    page = 2;
    ChooseLabelFormat(K, 0, &fmt, &kind, &page);
    EXPECT_EQ(page, 2);
    ChooseLabelFormat(D, 5, &fmt, &kind, &page);
    EXPECT_EQ(kind, KIND_BOOKLET);
    page = 7;
    ChooseLabelFormat(D, 6, &fmt, &kind, &page);
    EXPECT_EQ(page, 7);  // booklet formats keep the page
    EXPECT_EQ(KindAfterLoad(K, 5, KIND_COVERS), KIND_BOOKLET);
    EXPECT_EQ(KindAfterLoad(D, 3, KIND_BOOKLET), KIND_COVERS);
    // Wimbrook's kind is the one-or-nine choice, never the loaded format.
    EXPECT_EQ(KindAfterLoad(W, 6, KIND_SHEET), KIND_SHEET);
    fmt = 0;
    kind = KIND_SHEET;
    ChooseLabelFormat(W, 6, &fmt, &kind, &page);
    EXPECT_EQ(kind, KIND_SHEET);
    EXPECT_EQ(fmt, 0);
}

TEST(LabelGeometry, SheetGridOffsets) {
    EXPECT_EQ(SheetLabelOffset(0).x, 0);
    EXPECT_EQ(SheetLabelOffset(4).x, 275);
    EXPECT_EQ(SheetLabelOffset(4).y, -300);
    EXPECT_EQ(SheetLabelOffset(8).x, 550);
    EXPECT_EQ(SheetLabelOffset(8).y, -600);
}

class PageOriginTest : public testing::Test {
protected:
    void SetUp() override { std::memset(&label_, 0, sizeof label_); }
    LabelPoint At(const EditionProfile& e, int kind, int page, int fullSize) {
        PageOriginFor(&label_, e, kind, page, fullSize, kX0, kY0);
        return {label_.LabelOriginX, label_.LabelOriginY};
    }
    // A drawing origin below a 28-unit toolbar.
    static constexpr int kX0 = 7, kY0 = -6 - 28;
    ZIPINFO label_;
};

TEST_F(PageOriginTest, EditionWindowOriginIsMeasuredBelowTheToolbar) {
    LabelPoint k = LabelBaseOrigin(K, kX0, kY0), d = LabelBaseOrigin(D, kX0, kY0), w = LabelBaseOrigin(W, kX0, kY0);
    EXPECT_EQ(d.x, kX0);
    EXPECT_EQ(d.y, kY0);  // Dovantel's window origin is the shell's own
    EXPECT_EQ(k.y, -4 - 28);
    EXPECT_EQ(w.y, -3 - 28);
    EXPECT_EQ(k.x, 7);
    // A different toolbar height moves every page by the same amount.
    EXPECT_EQ(LabelBaseOrigin(K, 7, -6 - 40).y - k.y, -12);
}

TEST_F(PageOriginTest, KestrinFullSizeCentresTheBackCoverUnderTheFront) {
    LabelPoint p1 = At(K, KIND_COVERS, 1, 1), p2 = At(K, KIND_COVERS, 2, 1);
    EXPECT_EQ(p2.x - p1.x, 37);
    EXPECT_EQ(p2.y, p1.y);
    EXPECT_EQ(label_.PageWidth, 494);
    EXPECT_EQ(label_.PageHeight, -481);
    // The page turning rule of the main window splits clicks beside the
    // back cover at x 295: left of its middle and right of it.
    EXPECT_LT(p2.x + 494 / 2 - 5, 295);
    EXPECT_GT(p2.x + 494 / 2 + 5, 295);
    At(K, KIND_BOOKLET, 3, 1);
    EXPECT_EQ(label_.LabelOriginX, p1.x);
    EXPECT_EQ(label_.PageWidth, 569);
}

TEST_F(PageOriginTest, KestrinSpreadPutsTheEvenPageLeftOfTheOddPage) {
    LabelPoint base = LabelBaseOrigin(K, kX0, kY0);
    LabelPoint odd = At(K, KIND_BOOKLET, 3, 0), even = At(K, KIND_BOOKLET, 4, 0);
    EXPECT_EQ(even.x, base.x + 20);
    EXPECT_EQ(even.y, base.y - 120);
    EXPECT_EQ(odd.x - even.x, 247);  // half an even page: the spread's two halves meet
    EXPECT_EQ(odd.y, even.y);
}

TEST_F(PageOriginTest, DovantelPagesAboveTheTrayAndTheSpreadStacksThem) {
    LabelPoint base = LabelBaseOrigin(D, kX0, kY0);
    EXPECT_EQ(At(D, KIND_COVERS, 1, 1).x, base.x);
    EXPECT_EQ(At(D, KIND_COVERS, 2, 1).x, base.x + 60);
    // The middle of a front page lies at x 307, the page-turning split.
    EXPECT_EQ(base.x + 60 + 480 / 2, 307);
    LabelPoint p1 = At(D, KIND_BOOKLET, 1, 0);
    EXPECT_EQ(p1.x, base.x + 147);
    EXPECT_EQ(p1.y, base.y);
    LabelPoint p2 = At(D, KIND_BOOKLET, 2, 0);
    EXPECT_EQ(p2.x, base.x + 173);
    EXPECT_EQ(p2.y, base.y - 229);  // just below the half-size tray card
    LabelPoint p3 = At(D, KIND_BOOKLET, 3, 0), p4 = At(D, KIND_BOOKLET, 4, 0);
    EXPECT_EQ(p3.x, base.x + 173);
    EXPECT_EQ(p3.y, base.y);
    EXPECT_EQ(p4.x, p3.x);
    EXPECT_EQ(p4.y, base.y - 236);
    EXPECT_EQ(label_.PageHeight, -475);
}

TEST_F(PageOriginTest, WimbrookShowsOneLabelAtFullSizeWithTheSingleLabelShiftedRight) {
    LabelPoint base = LabelBaseOrigin(W, kX0, kY0);
    LabelPoint sheet = At(W, KIND_SHEET, 2, 0);
    EXPECT_EQ(sheet.x, base.x);
    EXPECT_EQ(sheet.y, base.y);
    // The sheet map starts at x 290, right of a sheet label's right edge.
    EXPECT_LT(sheet.x + label_.PageWidth, 290);
    LabelPoint one = At(W, KIND_COVERS, 1, 1);
    EXPECT_EQ(one.x, base.x + 30);
    EXPECT_EQ(At(W, KIND_COVERS, 1, 0).x, one.x);  // no spread view
}

}  // namespace

namespace {

TEST(LabelRectangles, ScaleInflateMoveAndOverlap) {
    // Products are truncated toward zero, negative ones too.
    EXPECT_EQ(ScaleRect({75, 0, 569, -481}, 0.5), (LabelRect{37, 0, 284, -240}));
    EXPECT_EQ(ScaleRect({-3, 3, 5, -5}, 0.5), (LabelRect{-1, 1, 2, -2}));
    EXPECT_EQ(InflateLabelRect({10, -10, 20, -30}, 2), (LabelRect{8, -8, 22, -32}));
    EXPECT_EQ(MoveRectTo({10, -10, 20, -30}, 100, -50), (LabelRect{100, -50, 110, -70}));
    EXPECT_EQ(ShiftRect({10, -10, 20, -30}, 5, -5), (LabelRect{15, -15, 25, -35}));
    LabelRect a = {0, 0, 10, -10};
    EXPECT_TRUE(RectsOverlap(a, {9, -9, 20, -20}));
    EXPECT_FALSE(RectsOverlap(a, {10, 0, 20, -10}));   // sharing an edge is no overlap
    EXPECT_FALSE(RectsOverlap(a, {0, -10, 10, -20}));
    EXPECT_TRUE(RectsOverlap(a, {20, -20, 5, -5}));     // corners in the other order
    EXPECT_FALSE(RectsOverlap(a, {3, -3, 3, -8}));      // no width: no area to share
}

}  // namespace
