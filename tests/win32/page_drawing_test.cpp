// Whole pages drawn with DrawPage into a 100-ppi memory bitmap, probed for
// ink in regions, counted rows and colours: layer order, the catalog's
// cells around objects, tree lines, styles, the comment row, spines of
// every edition, the spread view, borders and the device state.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "render/catalog_geometry.h"
#include "render/label_geometry.h"
#include "render/page_flow.h"
#include "render/win32/catalog_layout_win32.h"
#include "render/win32/page_render_win32.h"
#include "tests/samples/page_bitmap.h"
#include "tests/samples/sample_labels.h"
#include "tests/win32/canvas.h"

namespace {

constexpr int kX = 10, kY = -10;  // where the page's top-left corner goes
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kTreeGrey = RGB(127, 127, 127);

bool IsInk(COLORREF c) { return c != kWhite; }
bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 150; }

class PageTest : public testing::Test {
protected:
    void SetUp() override {
        bitmap_ = MakePageCanvas(900, 960);
        std::memset(&label_, 0, sizeof label_);
    }
    void TearDown() override {
        ClearLabel(&label_);
        FreePageCanvas(&bitmap_);
    }
    PageDrawing How(const EditionProfile& e, int kind, int page, int fullSize = 1) {
        return {&e, kind, page, fullSize, true, 0, "zip", "1,000"};
    }
    void Draw(const PageDrawing& how, int x = kX, int y = kY) {
        ClearCanvas(&bitmap_);
        RenderPage(&bitmap_, &label_, how, x, y);
    }
    // Pixels in a logical rectangle (y up, top included, bottom excluded).
    int Count(const LabelRect& r, const std::function<bool(COLORREF)>& test) const {
        int n = 0;
        for (int y = r.top; y > r.bottom; --y)
            for (int x = r.left; x < r.right; ++x)
                if (test(PixelAt(bitmap_, x, y))) ++n;
        return n;
    }
    int CountColour(const LabelRect& r, COLORREF c) const {
        return Count(r, [c](COLORREF p) { return p == c; });
    }
    // Rows of a column that carry a ruled line: y values where most of the
    // span [x1, x2) is dark.
    int RuledRows(int x1, int x2, int top, int bottom) const {
        int rows = 0;
        for (int y = top; y > bottom; --y) {
            int dark = 0;
            for (int x = x1; x < x2; ++x)
                if (IsDark(PixelAt(bitmap_, x, y))) ++dark;
            if (dark > (x2 - x1) * 9 / 10) ++rows;
        }
        return rows;
    }
    // Bounding box of the ink in a region (top the highest y with ink,
    // bottom one below the lowest).
    Ink InkBox(const LabelRect& r) const {
        Ink ink = {false, r.right, r.bottom, r.left, r.top};
        for (int y = r.top; y > r.bottom; --y)
            for (int x = r.left; x < r.right; ++x) {
                if (!IsInk(PixelAt(bitmap_, x, y))) continue;
                ink.any = true;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x + 1);
                ink.top = std::max(ink.top, y);
                ink.bottom = std::min(ink.bottom, y - 1);
            }
        return ink;
    }
    // The first row from y0 toward y1 (step +1 or -1) with dark pixels
    // between x1 and x2; 0 when there is none.
    int FirstDarkRow(int x1, int x2, int y0, int y1, int step) const {
        for (int y = y0; step < 0 ? y > y1 : y < y1; y += step)
            for (int x = x1; x < x2; ++x)
                if (IsDark(PixelAt(bitmap_, x, y))) return y;
        return 0;
    }
    LabelRect Body(const EditionProfile& e, int kind, int page) const {
        LabelRect body;
        CatalogBodyRegion(e, GeometrySettings(), kind, page, &body);
        return ShiftRect(body, kX, kY);
    }
    void Names(const std::vector<std::string>& names) {
        FillNamedList(&label_, names);
        label_.LayoutValid = 0;
    }
    Canvas bitmap_;
    ZIPINFO label_;
};

TEST_F(PageTest, NoColumnsDrawNoEntriesSeparatorsOrComment) {
    PrepareSampleLook(&label_, kKestrinProfile);
    FillSampleList(&label_, 100, "entry%03d.txt");
    label_.LblFmt = 4;
    label_.Columns = 0;
    Draw(How(kKestrinProfile, KIND_COVERS, 1));
    LabelRect inside = InflateLabelRect(Body(kKestrinProfile, KIND_COVERS, 1), -3);
    EXPECT_EQ(Count(inside, IsInk), 0);
    // The spine is still there.
    EXPECT_GT(CountColour({kX, kY, kX + 75, kY - 100}, RGB(128, 128, 128)), 500);
    label_.Columns = 3;
    Draw(How(kKestrinProfile, KIND_COVERS, 1));
    EXPECT_GT(Count(inside, IsDark), 2000);
}

TEST_F(PageTest, AnObjectAboveTheLabelLeavesItsCellsEmptyAndThePagesFlowOnByThatMuch) {
    PrepareSampleLook(&label_, kKestrinProfile);
    FillSampleList(&label_, 300, "entry%03d.txt");
    label_.LblFmt = 0;  // page 2 first, then page 1
    label_.ShowSize = 0;
    LabelRect body;
    CatalogBodyRegion(kKestrinProfile, GeometrySettings(), KIND_COVERS, 2, &body);
    ColumnGeometry g = ComputeColumnGeometry(kKestrinProfile, body, 1.0, 3, 13, 13, false);
    int before = FirstEntryOfPage(&label_, kKestrinProfile, GeometrySettings(), KIND_COVERS, 1);
    int x0 = static_cast<int>(ColumnX(g, 0));
    // A filled box over rows 10 to 13 of the first column.
    LabelRect box = {x0 + 30, static_cast<int>(RowY(g, 10)) + 4, x0 + 100, static_cast<int>(RowY(g, 13)) + 4};
    AddSampleString(&label_, 2, LAYER_ABOVE, box, "", 0, true, 0, RGB(0, 0, 255));
    int after = FirstEntryOfPage(&label_, kKestrinProfile, GeometrySettings(), KIND_COVERS, 1);
    EXPECT_EQ(before - after, 4);
    Draw(How(kKestrinProfile, KIND_COVERS, 2));
    // Across the whole width of those cells: no text, no ruled line.
    LabelRect cells = {kX + x0 + 1, kY + static_cast<int>(RowY(g, 9)) - 2,
                       kX + static_cast<int>(ColumnX(g, 0) + g.width), kY + static_cast<int>(RowY(g, 13)) + 1};
    EXPECT_EQ(Count(cells, IsDark), 0);
    EXPECT_GT(CountColour(ShiftRect(box, kX, kY), RGB(0, 0, 255)), 1000);
    int x1 = kX + x0 + 2, x2 = kX + static_cast<int>(ColumnX(g, 0) + g.width) - 2;
    EXPECT_EQ(RuledRows(x1, x2, kY - 2, kY - 479), g.rows - 4);  // inside the outline
    // The second column keeps all its rows.
    int c1 = kX + static_cast<int>(ColumnX(g, 1));
    EXPECT_EQ(RuledRows(c1 + 2, c1 + static_cast<int>(g.width) - 2, kY - 2, kY - 479), g.rows);
    // And the drawing shows exactly the entries the flow counted.
    ClearCanvas(&bitmap_);
    PlacePage(&label_, How(kKestrinProfile, KIND_COVERS, 2), kX, kY);
    EXPECT_EQ(LayOutPage(bitmap_.dc, kKestrinProfile, GeometrySettings(), KIND_COVERS, &label_, 2, 1.0, 0, nullptr),
              after);
}

TEST_F(PageTest, LastEntriesDrawCornersAndFoldersKeepTheirBarBesideDescendants) {
    PrepareSampleLook(&label_, kKestrinProfile);
    label_.ShowSize = 0;
    label_.Columns = 1;
    Names({"Top", "Tail"});
    ZIPINFO* top = MakeSampleFolder(&label_.Entries[0], {"Mid", "end.txt"}, 1);
    MakeSampleFolder(&top->Entries[0], {"a.txt", "b.txt", "c.txt"}, 1);
    label_.LayoutValid = 0;
    label_.LblFmt = 2;
    Draw(How(kKestrinProfile, KIND_COVERS, 2));
    LabelRect body;
    CatalogBodyRegion(kKestrinProfile, GeometrySettings(), KIND_COVERS, 2, &body);
    ColumnGeometry g = ComputeColumnGeometry(kKestrinProfile, ShiftRect(body, kX, kY), 1.0, 1, 13, 13, false);
    // Rows: Top, Mid, a, b, c, end.txt, Tail.
    auto cell = [&](int row) { return CellRect(g, 0, row); };
    int level1 = cell(0).left + 3, level2 = cell(0).left + 14;
    auto greyAt = [&](int x, int row, bool lowerHalf) {
        LabelRect c = cell(row);
        int middle = (c.top + c.bottom) / 2;
        LabelRect probe = lowerHalf ? LabelRect{x, middle - 1, x + 1, c.bottom} : LabelRect{x, c.top, x + 1, middle};
        return CountColour(probe, kTreeGrey);
    };
    // Mid (not last) runs on below its connector; end.txt (last) ends in a corner.
    EXPECT_GT(greyAt(level1, 1, true), 3);
    EXPECT_EQ(greyAt(level1, 5, true), 0);
    EXPECT_GE(greyAt(level1, 5, false), 3);
    // Mid's bar runs beside all of its children at level 1 ...
    for (int row = 2; row <= 4; ++row) EXPECT_GT(greyAt(level1, row, true), 3) << row;
    // ... and c.txt, the last child, has its own corner at level 2.
    EXPECT_GT(greyAt(level2, 3, true), 3);
    EXPECT_EQ(greyAt(level2, 4, true), 0);
    // Nothing at level 1 beside the root's last entry.
    EXPECT_EQ(greyAt(level1, 6, true) + greyAt(level1, 6, false), 0);
}

TEST_F(PageTest, ShowExtOffCutsTheLastExtensionAndTheLaterStyleWins) {
    PrepareSampleLook(&label_, kKestrinProfile);
    label_.ShowSize = 0;
    label_.Columns = 1;
    label_.LblFmt = 2;
    Names({"abc.def.ghi", "abc.def", "readme", "readme"});
    label_.ShowExt = 0;
    Draw(How(kKestrinProfile, KIND_COVERS, 2));
    LabelRect body;
    CatalogBodyRegion(kKestrinProfile, GeometrySettings(), KIND_COVERS, 2, &body);
    ColumnGeometry g = ComputeColumnGeometry(kKestrinProfile, ShiftRect(body, kX, kY), 1.0, 1, 13, 13, false);
    auto rowInk = [&](int row) {
        LabelRect c = CellRect(g, 0, row);
        c.bottom += 1;  // between this row's ruled line
        c.top -= 3;     // and the one above
        int right = c.left;
        for (int y = c.top; y > c.bottom; --y)
            for (int x = c.left; x < c.right; ++x)
                if (IsDark(PixelAt(bitmap_, x, y)) && x + 1 > right) right = x + 1;
        return right - c.left;
    };
    EXPECT_GT(rowInk(0), 20);
    int cut = rowInk(0);
    label_.ShowExt = 1;
    Draw(How(kKestrinProfile, KIND_COVERS, 2));
    EXPECT_EQ(rowInk(1), cut);   // "abc.def" whole is what the cut name showed
    EXPECT_GT(rowInk(0), cut + 10);
    EXPECT_EQ(rowInk(2), rowInk(3));

    // Two styles for "txt": the later one's colour shows, the earlier's never.
    ClearLabel(&label_);
    PrepareSampleLook(&label_, kKestrinProfile);
    label_.LblFmt = 2;
    Names({"one.txt", "two.TXT", "three.doc"});
    label_.ExtStyles = static_cast<ExtStyle*>(calloc(2, sizeof(ExtStyle)));
    label_.NumExtStyles = 2;
    CopyField(label_.ExtStyles[0].ExtName, "txt");
    label_.ExtStyles[0].ExtColor = RGB(255, 0, 0);
    label_.ExtStyles[0].ExtFont = SampleFont(-11, 0, false);
    CopyField(label_.ExtStyles[1].ExtName, "Txt");
    label_.ExtStyles[1].ExtColor = RGB(0, 160, 0);
    label_.ExtStyles[1].ExtFont = SampleFont(-11, 700, false);
    label_.LayoutValid = 0;
    Draw(How(kKestrinProfile, KIND_COVERS, 2));
    LabelRect all = Body(kKestrinProfile, KIND_COVERS, 2);
    EXPECT_GT(CountColour(all, RGB(0, 160, 0)), 50);
    EXPECT_EQ(CountColour(all, RGB(255, 0, 0)), 0);
}

TEST_F(PageTest, PageOneWithTheCommentHoldsOneRowFewerThanAPageOfTheSameSize) {
    PrepareSampleLook(&label_, kKestrinProfile);
    FillSampleList(&label_, 400, "entry%03d.txt");
    label_.LblFmt = 6;  // booklet: pages 1 and 3 share their size and body
    LabelRect body = Body(kKestrinProfile, KIND_BOOKLET, 1);
    ColumnGeometry g = ComputeColumnGeometry(kKestrinProfile, body, 1.0, 3, 13, 13, false);
    int x1 = static_cast<int>(ColumnX(g, 0)) + 2, x2 = static_cast<int>(ColumnX(g, 0) + g.width) - 2;
    Draw(How(kKestrinProfile, KIND_BOOKLET, 1));
    int page1 = RuledRows(x1, x2, body.top - 2, body.bottom + 2);
    LabelRect foot = {body.left + 2, static_cast<int>(RowY(g, g.rows - 1)) - 2, body.right - 2, body.bottom + 2};
    EXPECT_GT(Count(foot, IsDark), 100);  // the comment
    Draw(How(kKestrinProfile, KIND_BOOKLET, 3));
    int page3 = RuledRows(x1, x2, body.top - 2, body.bottom + 2);
    EXPECT_EQ(page3, g.rows);
    EXPECT_EQ(page1, page3 - 1);
}

TEST_F(PageTest, TheCommentRowShowsItsMacrosExpanded) {
    PrepareSampleLook(&label_, kKestrinProfile);
    FillSampleList(&label_, 5, "entry%03d.txt");
    label_.LblFmt = 3;  // entries on page 1 only
    label_.NumFolders = 7;
    LabelRect body = Body(kKestrinProfile, KIND_COVERS, 1);
    ColumnGeometry g = ComputeColumnGeometry(kKestrinProfile, body, 1.0, 3, 13, 13, true);
    LabelRect foot = {body.left + 2, static_cast<int>(RowY(g, g.rows)) - 2, body.right - 2, body.bottom + 2};
    // "%folders%" stands for one digit: its ink is far narrower than the
    // nine characters of the macro itself.
    CopyField(label_.Comment, "%folders%");
    Draw(How(kKestrinProfile, KIND_COVERS, 1));
    Ink expanded = InkBox(foot);
    CopyField(label_.Comment, "%Folders%");  // wrong case: no macro, drawn as text
    Draw(How(kKestrinProfile, KIND_COVERS, 1));
    Ink literal = InkBox(foot);
    ASSERT_TRUE(expanded.any);
    ASSERT_TRUE(literal.any);
    EXPECT_LT(expanded.right - expanded.left, 12);
    EXPECT_GT(literal.right - literal.left, 30);
}

TEST_F(PageTest, LayersBelowOnAndAboveTheCatalog) {
    PrepareSampleLook(&label_, kKestrinProfile);
    FillSampleList(&label_, 200, "entry-with-a-long-name-%03d.txt");
    label_.LblFmt = 2;
    const COLORREF a = RGB(255, 200, 0), b = RGB(0, 200, 255);
    LabelRect below = {20, -40, 220, -300}, above = {260, -40, 460, -300};
    AddSamplePicture(&label_, 2, LAYER_BELOW, below, a, a);
    AddSamplePicture(&label_, 2, LAYER_ABOVE, above, b, b);
    Draw(How(kKestrinProfile, KIND_COVERS, 2));
    // Text and ruled lines cross the picture below ...
    LabelRect in = InflateLabelRect(ShiftRect(below, kX, kY), -4);
    EXPECT_GT(Count(in, IsDark), 500);
    EXPECT_GT(CountColour(in, a), 10000);
    // ... and nothing crosses the picture above.
    in = InflateLabelRect(ShiftRect(above, kX, kY), -12);  // inside the picture's frame
    EXPECT_EQ(CountColour(in, b), (in.right - in.left) * (in.top - in.bottom));
}

TEST_F(PageTest, OverlappingObjectsOfOneLayerDrawTheFirstOfTheListOnTop) {
    PrepareSampleLook(&label_, kKestrinProfile);
    label_.LblFmt = 2;
    AddSampleString(&label_, 2, LAYER_ON, {50, -50, 250, -250}, "", 0, true, 0, RGB(255, 0, 0));
    AddSampleString(&label_, 2, LAYER_ON, {150, -150, 350, -350}, "", 0, true, 0, RGB(0, 0, 255));
    // The blue one was inserted last: element 0, drawn last, on top.
    Draw(How(kKestrinProfile, KIND_COVERS, 2));
    EXPECT_EQ(PixelAt(bitmap_, kX + 200, kY - 200), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(bitmap_, kX + 100, kY - 100), RGB(255, 0, 0));
    // A string on a lower layer stays under one above, whatever the list says.
    label_.Objects[0].rec.Layer = LAYER_BELOW;
    Draw(How(kKestrinProfile, KIND_COVERS, 2));
    EXPECT_EQ(PixelAt(bitmap_, kX + 200, kY - 200), RGB(255, 0, 0));
}

TEST_F(PageTest, SpineTitleUsesTheWholeSpineWithoutTheLogoAndTurnsWhenOpposed) {
    PrepareSampleLook(&label_, kKestrinProfile);
    // Only the first character has ink: where it lands shows where the
    // title starts and so which way it reads.
    CopyField(label_.VolumeName, "W                    ");
    label_.SpineAlign = 0;
    const int x1 = kX + 3, x2 = kX + 72, bottom = kY - 481;
    const COLORREF grey = RGB(128, 128, 128);
    label_.ShowZip = 1;
    Draw(How(kKestrinProfile, KIND_COVERS, 1));
    EXPECT_GT(CountColour({kX + 2, kY - 38, kX + 73, kY - 73}, grey), 1500);  // the second logo box
    int start = FirstDarkRow(x1, x2, kY - 76, bottom, -1);
    EXPECT_LE(start, kY - 74 - 8);
    EXPECT_GT(start, kY - 74 - 8 - 30);
    label_.ShowZip = 0;
    Draw(How(kKestrinProfile, KIND_COVERS, 1));
    EXPECT_EQ(CountColour({kX, kY, kX + 75, bottom}, grey), 0);
    start = FirstDarkRow(x1, x2, kY - 1, bottom, -1);
    EXPECT_LE(start, kY - 8);
    EXPECT_GT(start, kY - 8 - 30);  // the title starts at the top end now
    // Opposed: logo boxes at the bottom, the title starting from the bottom.
    label_.ShowZip = 1;
    label_.Opposing = 1;
    Draw(How(kKestrinProfile, KIND_COVERS, 1));
    EXPECT_GT(CountColour({kX + 2, bottom + 73, kX + 73, bottom + 38}, grey), 1500);
    EXPECT_EQ(CountColour({kX + 2, kY - 2, kX + 73, kY - 100}, grey), 0);
    start = FirstDarkRow(x1, x2, bottom + 76, kY, 1);
    EXPECT_GE(start, bottom + 74 + 8);
    EXPECT_LT(start, bottom + 74 + 8 + 30);
    EXPECT_EQ(FirstDarkRow(x1, x2, kY - 1, kY - 300, -1), 0);  // the blanks leave the top empty
}

TEST_F(PageTest, TheSpreadViewDrawsEverythingAtHalfSize) {
    PrepareSampleLook(&label_, kKestrinProfile);
    label_.LblFmt = 2;
    label_.Columns = 0;
    const COLORREF a = RGB(250, 100, 100);
    AddSamplePicture(&label_, 2, LAYER_ABOVE, {100, -100, 300, -260}, a, a);
    PageDrawing how = How(kKestrinProfile, KIND_COVERS, 2, 1);
    how.border = 5;  // no outline on paper: the picture is the only ink
    Draw(how, 0, 0);
    Ink full = InkBox({0, 0, 900, -900});
    EXPECT_EQ(full.left, 100);
    EXPECT_EQ(full.top, -100);
    EXPECT_EQ(full.right, 300);
    EXPECT_EQ(full.bottom, -260);
    how.fullSize = 0;
    Draw(how, 0, 0);
    Ink half = InkBox({0, 0, 900, -900});
    EXPECT_EQ(half.left, 50);
    EXPECT_EQ(half.top, -50);
    EXPECT_EQ(half.right, 150);
    EXPECT_EQ(half.bottom, -130);
    // On screen the outline shows the half-size page.
    how.onPaper = false;
    Draw(how, 0, 0);
    Ink page = InkBox({0, 0, 900, -900});
    EXPECT_EQ(page.right, 494 / 2);
    EXPECT_EQ(page.bottom, -481 / 2);
}

TEST_F(PageTest, DovantelTrayCardCarriesBothSpines) {
    BuildSampleLabel(&label_, kDovantelProfile);
    label_.ZipColor = 0;
    label_.SpineBkgndColor = kWhite;
    Draw(How(kDovantelProfile, KIND_COVERS, 1));
    for (int left : {0, 566}) {
        LabelRect strip = {kX + left + 2, kY, kX + left + 23, kY - 460};
        EXPECT_GT(CountColour(strip, RGB(128, 128, 128)), 300) << left;
        EXPECT_GT(Count(strip, [](COLORREF c) { return c == RGB(0, 0, 0); }), 300) << left;
    }
    // Opposed by default: the left logo at the top, the right one at the bottom.
    EXPECT_GT(CountColour({kX + 2, kY - 37, kX + 23, kY - 74}, RGB(128, 128, 128)), 300);
    EXPECT_GT(CountColour({kX + 568, kY - 460 + 74, kX + 589, kY - 460 + 37}, RGB(128, 128, 128)), 300);
    label_.Opposing = 0;
    Draw(How(kDovantelProfile, KIND_COVERS, 1));
    EXPECT_GT(CountColour({kX + 568, kY - 37, kX + 589, kY - 74}, RGB(128, 128, 128)), 300);
}

TEST_F(PageTest, WimbrookSheetLabelsEachWithBodyAndStrip) {
    for (int i = 0; i < 3; ++i) {
        ZIPINFO label;
        std::memset(&label, 0, sizeof label);
        BuildSampleLabel(&label, kWimbrookProfile, i);
        LabelPoint at = SheetLabelOffset(i + 3);  // the middle row of the sheet
        RenderPage(&bitmap_, &label, How(kWimbrookProfile, KIND_SHEET, 1), kX + at.x, kY + at.y);
        ClearLabel(&label);
    }
    for (int i = 0; i < 3; ++i) {
        LabelPoint at = SheetLabelOffset(i + 3);
        int x = kX + at.x, y = kY + at.y;
        EXPECT_GT(Count({x + 12, y - 2, x + 262, y - 211}, IsDark), 1000) << i;
        EXPECT_GT(CountColour({x, y - 213, x + 275, y - 225}, RGB(128, 128, 128)), 200) << i;
        EXPECT_EQ(PixelAt(bitmap_, x, y - 100), RGB(0, 0, 0)) << i;  // outline
    }
    // The other rows of the sheet stay empty.
    EXPECT_EQ(Count({kX, kY, kX + 825, kY - 290}, IsInk), 0);
}

TEST_F(PageTest, BorderStylesOnPaperAndOnScreen) {
    PrepareSampleLook(&label_, kKestrinProfile);
    label_.Columns = 0;
    label_.LblFmt = 2;
    PageDrawing how = How(kKestrinProfile, KIND_COVERS, 2);
    auto edge = [&]() { return Count({kX, kY - 100, kX + 1, kY - 300}, IsInk); };
    how.border = 0;
    Draw(how);
    EXPECT_EQ(edge(), 200);
    how.border = 2;  // dotted
    Draw(how);
    EXPECT_GT(edge(), 20);
    EXPECT_LT(edge(), 180);
    how.border = 5;
    Draw(how);
    EXPECT_EQ(edge(), 0);
    how.onPaper = false;
    Draw(how);
    EXPECT_EQ(CountColour({kX, kY - 100, kX + 1, kY - 300}, RGB(192, 192, 192)), 200);
}

TEST_F(PageTest, LongNamesAndCommentsNeverLeaveTheBody) {
    BuildSampleLabel(&label_, kWimbrookProfile);
    FillSampleList(&label_, 60, "%02dWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    label_.LayoutValid = 0;
    label_.ShowComm = 1;
    CopyField(label_.Comment, "A comment much longer than the label is wide, WWWWWWWWWWWWWWWWWWWWWWWWWWW");
    FreeLabelObjects(&label_);
    PageDrawing how = How(kWimbrookProfile, KIND_SHEET, 2);
    how.border = 5;
    Draw(how);
    LabelRect body = Body(kWimbrookProfile, KIND_SHEET, 2);
    EXPECT_GT(Count(body, IsInk), 1000);
    int all = Count({0, 0, 900, -960}, IsInk);
    EXPECT_EQ(Count(body, IsInk), all);
    how.page = 1;
    Draw(how);
    body = Body(kWimbrookProfile, KIND_SHEET, 1);
    LabelRect strip = {kX, kY - 213, kX + 275, kY - 225};
    EXPECT_EQ(Count(body, IsInk) + Count(strip, IsInk), Count({0, 0, 900, -960}, IsInk));
}

TEST_F(PageTest, RotatedStringsRunAlongTheirRotation) {
    PrepareSampleLook(&label_, kKestrinProfile);
    label_.LblFmt = 2;
    label_.Columns = 0;
    AddSampleString(&label_, 2, LAYER_ON, {100, -50, 160, -450}, "Running downward", 90, false, 0, 0);
    Draw(How(kKestrinProfile, KIND_COVERS, 2));
    LabelRect area = {kX + 100, kY - 50, kX + 160, kY - 450};
    int dark = Count(area, IsDark);
    EXPECT_GT(dark, 300);
    int upper = Count({area.left, area.top, area.right, kY - 250}, IsDark);
    EXPECT_GT(upper, dark / 4);  // centred: ink above and below the middle
    EXPECT_LT(upper, dark * 3 / 4);
    EXPECT_EQ(Count({kX + 200, kY - 2, kX + 480, kY - 470}, IsDark), 0);
}

TEST_F(PageTest, TheDeviceIsLeftAsItWas) {
    BuildSampleLabel(&label_, kKestrinProfile);
    HDC dc = bitmap_.dc;
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT), pen = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    for (int page = 1; page <= 4; ++page) RenderPage(&bitmap_, &label_, How(kKestrinProfile, KIND_BOOKLET, page), kX, kY);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, clip), 0);  // no clip region left behind
    DeleteObject(clip);
}

}  // namespace
