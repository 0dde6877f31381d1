// The catalog layout walk through a recording painter: which texts go into
// which cells, the tree, ruled and separator lines, the comment, and the
// guards for bad line heights, deep trees and long names. Also the spine
// plans and the layer arithmetic of page drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "render/catalog_geometry.h"
#include "render/catalog_layout.h"
#include "render/label_geometry.h"
#include "render/layout_cache.h"
#include "render/page_flow.h"
#include "render/page_layers.h"
#include "render/spine_layout.h"

namespace {

const EditionProfile& K = kKestrinProfile;
const GeometrySettings G = {};  // the default side margin and print position

struct Drawn {
    std::string text;
    LabelRect rect;
    int align;
    int style;
};
struct Segment {
    int pen;
    int32_t x1, y1, x2, y2;
};

struct Recorder {
    std::vector<Drawn> texts;
    std::vector<Segment> lines;
    std::vector<int> measuredWith;  // style selected at each measurement
    int style = 0;
    static void Select(void* c, int s) { static_cast<Recorder*>(c)->style = s; }
    static bool Measure(void* c, const char*, int length, TextExtent* out) {
        auto* r = static_cast<Recorder*>(c);
        r->measuredWith.push_back(r->style);
        *out = {length * 6, 13};
        return true;
    }
    static void Text(void* c, const char* text, int length, const LabelRect& rect, int align, int32_t) {
        auto* r = static_cast<Recorder*>(c);
        r->texts.push_back({std::string(text, length), rect, align, r->style});
    }
    static void Line(void* c, int pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        static_cast<Recorder*>(c)->lines.push_back({pen, x1, y1, x2, y2});
    }
    CatalogPainter Painter() { return {this, Select, Measure, Text, Line}; }
    std::vector<Drawn> Named(const std::string& prefix) const {
        std::vector<Drawn> out;
        for (const Drawn& d : texts)
            if (d.text.compare(0, prefix.size(), prefix) == 0) out.push_back(d);
        return out;
    }
    int Count(int pen, bool vertical) const {
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const Segment& s) {
            return s.pen == pen && (vertical ? s.x1 == s.x2 : s.y1 == s.y2);
        }));
    }
};

void Fill(ZIPINFO* list, const std::vector<std::string>& names) {
    list->NumEntries = static_cast<int>(names.size());
    list->Entries = NewEntries(list->NumEntries, "test");
    for (size_t i = 0; i < names.size(); ++i) CopyField(list->Entries[i].Name, names[i].c_str());
}

ZIPINFO* Folder(CatalogEntry* entry, const std::vector<std::string>& names) {
    entry->HasSubtree = 1;
    entry->Open = 1;
    entry->Child = NewCatalogList();
    Fill(entry->Child, names);
    return entry->Child;
}

class PassTest : public testing::Test {
protected:
    void SetUp() override {
        std::memset(&label_, 0, sizeof label_);
        label_.Columns = 3;
        label_.FontHeight = 13;
        label_.DirFontHeight = 14;  // pitch 15: 30 rows on a 481-unit page
        label_.ShowExt = 1;
        label_.Lined = 1;
        GetTextRect(K, KIND_COVERS, 2, &body_);
    }
    void TearDown() override { ClearLabel(&label_); }
    void Entries(int count, const char* prefix = "f") {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i) + ".txt");
        Fill(&label_, names);
        label_.LayoutValid = 0;
    }
    int Run(int page = 2, int first = 0, double scale = 1.0, const char* comment = "the comment") {
        rec_ = Recorder();
        CatalogPass pass = {&K, &label_, body_, scale, 7, -4, page, first, comment};
        return LayOutCatalog(pass, rec_.Painter());
    }
    ZIPINFO label_;
    LabelRect body_;
    Recorder rec_;
};

TEST_F(PassTest, EntriesRunDownEachColumnThenAcross) {
    Entries(70);
    EXPECT_EQ(Run(), 70);
    std::vector<Drawn> names = rec_.Named("f");
    ASSERT_EQ(names.size(), 70u);
    // Entry 29 is the foot of column 0, entry 30 the head of column 1.
    EXPECT_EQ(names[0].rect.left, names[29].rect.left);
    EXPECT_GT(names[0].rect.top, names[29].rect.top);
    EXPECT_EQ(names[0].rect.top, names[30].rect.top);
    EXPECT_GT(names[30].rect.left, names[29].rect.right);
    EXPECT_EQ(names[1].rect.top, names[0].rect.top - 15);
    EXPECT_EQ(names[0].align, TEXT_BOTTOM);
    // Ruled lines in every free cell, entries or not: 3 x 30.
    EXPECT_EQ(rec_.Count(PEN_RULE, false), 90);
    // Separators left of columns 1 and 2 in every row.
    EXPECT_EQ(rec_.Count(PEN_RULE, true), 2 * 30);
    // Starting later in the list shows the entries from there.
    EXPECT_EQ(Run(2, 65), 5);
    EXPECT_EQ(rec_.Named("f")[0].text, "f65.txt");
}

TEST_F(PassTest, NoColumnsDrawNothingAtAll) {
    Entries(20);
    label_.Columns = 0;
    label_.ShowComm = 1;
    EXPECT_EQ(Run(1), 0);
    EXPECT_TRUE(rec_.texts.empty());
    EXPECT_TRUE(rec_.lines.empty());
}

TEST_F(PassTest, SeparatorsReachAboveTheFirstRowAndBelowTheLast) {
    Entries(5);
    label_.Lined = 0;
    Run();
    std::vector<Segment> v;
    for (const Segment& s : rec_.lines)
        if (s.x1 == s.x2) v.push_back(s);
    ASSERT_EQ(v.size(), 60u);
    ColumnGeometry g = ComputeColumnGeometry(K, ShiftRect(body_, 7, -4), 1.0, 3, 13, 14, false);
    int32_t xs = TruncUnits(ColumnX(g, 1) - g.gap);
    EXPECT_EQ(v[0].x1, xs);
    EXPECT_EQ(v[0].y1, TruncUnits(RowY(g, 0)));
    EXPECT_EQ(v[0].y2, TruncUnits(RowY(g, 0) + 3 + 15));
    EXPECT_EQ(v[1].y1, TruncUnits(RowY(g, 1)));
    EXPECT_EQ(v[1].y2, TruncUnits(RowY(g, 1) + 15));
    EXPECT_EQ(v[29].y1, TruncUnits(RowY(g, 29) - 5));
    EXPECT_EQ(v[29].y2, TruncUnits(RowY(g, 29) + 15));
}

TEST_F(PassTest, AnObjectAboveTheLabelEmptiesItsCellsAndPushesTheNextPageOn) {
    Entries(200);
    ColumnGeometry g = ComputeColumnGeometry(K, body_, 1.0, 3, 13, 14, false);
    int x = static_cast<int>(ColumnX(g, 0));
    PlacedObject o;
    std::memset(&o, 0, sizeof o);
    o.rec.Type = OBJECT_STRING;
    o.rec.Page = 2;
    o.rec.Layer = LAYER_ABOVE;
    o.rec.Left = x + 20;
    o.rec.Top = static_cast<int>(RowY(g, 10)) + 5;
    o.rec.Right = x + 60;
    o.rec.Bottom = static_cast<int>(RowY(g, 13)) + 5;
    ASSERT_TRUE(InsertObjectAtHead(&label_, o));
    int shown = Run();
    EXPECT_EQ(shown, 90 - 4);  // rows 9 to 12 of column 0
    std::vector<Drawn> names = rec_.Named("f");
    // The entries before and after the object sit in rows 9 and 14.
    EXPECT_EQ(names[9].rect.top - names[10].rect.top, 5 * 15);
    EXPECT_EQ(names[10].text, "f10.txt");
    // No ruled line in the blocked cells either.
    EXPECT_EQ(rec_.Count(PEN_RULE, false), 90 - 4);
    // Page 1 under format 0 starts exactly where page 2 stopped.
    label_.LblFmt = 0;
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_COVERS, 1), shown);
    // The spread view blocks the same cells.
    EXPECT_EQ(Run(2, 0, 0.5), shown);
}

TEST_F(PassTest, TreeLinesCornerForTheLastEntryAndBarsBesideDescendants) {
    Fill(&label_, {"Docs", "Last"});
    ZIPINFO* docs = Folder(&label_.Entries[0], {"Sub", "end.txt"});
    Folder(&docs->Entries[0], {"deep1.txt", "deep2.txt"});
    label_.LayoutValid = 0;
    Run();
    // Rows: Docs, Sub, deep1, deep2, end.txt, Last.
    std::vector<Drawn> t = rec_.texts;
    ASSERT_EQ(t.size(), 6u);
    auto linesIn = [&](const LabelRect& cell) {
        std::vector<Segment> out;
        for (const Segment& s : rec_.lines)
            if (s.pen == PEN_TREE && std::min(s.y1, s.y2) >= cell.bottom - 2 && std::max(s.y1, s.y2) <= cell.top)
                out.push_back(s);
        return out;
    };
    ColumnGeometry g = ComputeColumnGeometry(K, ShiftRect(body_, 7, -4), 1.0, 3, 13, 14, false);
    LabelRect cells[6];
    for (int r = 0; r < 6; ++r) cells[r] = CellRect(g, 0, r);
    int32_t left = cells[0].left;
    // Sub (depth 1, not last): its connector runs on down to the cell bottom.
    std::vector<Segment> sub = linesIn(cells[1]);
    ASSERT_EQ(sub.size(), 2u);
    EXPECT_EQ(sub[0].y1, cells[1].top - 3);
    EXPECT_EQ(sub[0].y2, cells[1].bottom - 1);
    EXPECT_EQ(sub[1].y1, sub[1].y2);  // and across at the middle
    EXPECT_EQ(sub[1].x2, left + 10);
    // end.txt (depth 1, last): a corner, nothing below the middle.
    std::vector<Segment> corner = linesIn(cells[4]);
    ASSERT_EQ(corner.size(), 2u);
    int32_t middle = (cells[4].top + cells[4].bottom) / 2;
    for (const Segment& s : corner) EXPECT_GE(std::min(s.y1, s.y2), middle);
    // deep2 (depth 2, last): Sub's bar at level 1 stays beside it because
    // end.txt follows Sub; its own corner one step further right.
    std::vector<Segment> deep = linesIn(cells[3]);
    ASSERT_EQ(deep.size(), 3u);
    EXPECT_EQ(deep[0].x1, left + 3);
    EXPECT_EQ(deep[0].y2, cells[3].bottom - 1);
    EXPECT_EQ(deep[1].x1, left + 11 + 3);
    // Names start after the tree: depth 2 two steps in.
    EXPECT_EQ(t[3].rect.left, left + 22);
    EXPECT_EQ(t[0].rect.left, left);
}

TEST_F(PassTest, ShowExtOffDropsOnlyTheLastExtension) {
    Fill(&label_, {"readme", "archive.tar.gz", "plain.txt", ".profile"});
    label_.ShowExt = 0;
    Run();
    ASSERT_EQ(rec_.texts.size(), 4u);
    EXPECT_EQ(rec_.texts[0].text, "readme");
    EXPECT_EQ(rec_.texts[1].text, "archive.tar");
    EXPECT_EQ(rec_.texts[2].text, "plain");
    EXPECT_EQ(rec_.texts[3].text, ".profile");  // nothing would be left of it
    label_.ShowExt = 1;
    Run();
    EXPECT_EQ(rec_.texts[1].text, "archive.tar.gz");
}

TEST_F(PassTest, StylesFolderDirAndTheLaterMatchingExtensionStyle) {
    Fill(&label_, {"Folder", "listed", "a.TXT", "b.doc"});
    Folder(&label_.Entries[0], {});
    CopyField(label_.Entries[1].EntryComment, "[dir]");
    label_.NumExtStyles = 3;
    label_.ExtStyles = static_cast<ExtStyle*>(calloc(3, sizeof(ExtStyle)));
    CopyField(label_.ExtStyles[0].ExtName, "txt");
    CopyField(label_.ExtStyles[1].ExtName, "gif");
    CopyField(label_.ExtStyles[2].ExtName, "Txt");
    label_.LayoutValid = 0;
    Run();
    ASSERT_EQ(rec_.texts.size(), 4u);
    EXPECT_EQ(rec_.texts[0].style, STYLE_FOLDER);
    EXPECT_EQ(rec_.texts[1].style, STYLE_FOLDER);
    EXPECT_EQ(rec_.texts[2].style, 2);
    EXPECT_EQ(rec_.texts[3].style, STYLE_FILE);
}

TEST_F(PassTest, SizesAreMeasuredInTheEntrysOwnFontAndRightAligned) {
    Fill(&label_, {"Folder", "file.bin"});
    Folder(&label_.Entries[0], {});
    CopyField(label_.Entries[0].EntryComment, "[dir]");
    CopyField(label_.Entries[1].EntryComment, "12 KB");
    label_.ShowSize = 1;
    label_.LayoutValid = 0;
    Run();
    ASSERT_EQ(rec_.texts.size(), 4u);
    EXPECT_EQ(rec_.measuredWith, (std::vector<int>{STYLE_FOLDER, STYLE_FILE}));
    const Drawn& name = rec_.texts[2];
    const Drawn& size = rec_.texts[3];
    EXPECT_EQ(size.text, "12 KB");
    EXPECT_EQ(size.align, TEXT_RIGHT | TEXT_BOTTOM);
    EXPECT_EQ(name.rect.right, size.rect.right - (5 * 6 + 5));
}

TEST_F(PassTest, TheCommentTakesARowOnPageOneOnly) {
    Entries(300);
    label_.ShowComm = 1;
    EXPECT_EQ(Run(1), 3 * 29);
    ASSERT_FALSE(rec_.Named("the comment").empty());
    Drawn c = rec_.Named("the comment")[0];
    EXPECT_EQ(c.style, STYLE_COMMENT);
    EXPECT_EQ(c.align, TEXT_HCENTER | TEXT_VCENTER);
    LabelRect body = ShiftRect(body_, 7, -4);
    EXPECT_EQ(c.rect.bottom, body.bottom + 2);
    EXPECT_EQ(c.rect.left, body.left + 2);
    EXPECT_EQ(Run(2), 3 * 30);
    EXPECT_TRUE(rec_.Named("the comment").empty());
    label_.ShowComm = 0;
    EXPECT_EQ(Run(1), 3 * 30);
    EXPECT_TRUE(rec_.Named("the comment").empty());
}

TEST_F(PassTest, LineHeightsThatGiveNoPitchDrawNoRowsAndNeverLoop) {
    Entries(10);
    for (int height : {-1, -2, -400}) {
        label_.FontHeight = label_.DirFontHeight = height;
        EXPECT_EQ(Run(), 0);
        EXPECT_TRUE(rec_.Named("f").empty());
        EXPECT_TRUE(rec_.lines.empty());
    }
    // A pitch larger than the page: no rows either.
    label_.FontHeight = 100000;
    EXPECT_EQ(Run(), 0);
}

TEST_F(PassTest, TreesDeeperThanTheMaskDrawInsideTheirCell) {
    // A chain of 45 folders, each followed by a sibling (so every bar is on).
    Fill(&label_, {"root", "after"});
    ZIPINFO* list = &label_;
    for (int depth = 0; depth < 45; ++depth) {
        ZIPINFO* child = Folder(&list->Entries[0], {"d" + std::to_string(depth + 1), "sib"});
        list = child;
    }
    label_.LayoutValid = 0;
    label_.Columns = 1;
    Run();
    ColumnGeometry g = ComputeColumnGeometry(K, ShiftRect(body_, 7, -4), 1.0, 1, 13, 14, false);
    LabelRect column = CellRect(g, 0, 0);
    for (const Segment& s : rec_.lines) {
        if (s.pen != PEN_TREE) continue;
        EXPECT_GE(std::min(s.x1, s.x2), column.left);
        EXPECT_LE(std::max(s.x1, s.x2), column.right);
    }
    for (const Drawn& d : rec_.texts) EXPECT_LT(d.rect.left, d.rect.right) << d.text;
}

TEST_F(PassTest, LongNamesGetCellsThatStayInTheirColumn) {
    std::string longName(63, 'W');
    Fill(&label_, {longName, "x"});
    CopyField(label_.Entries[0].EntryComment, "123456789012345");
    label_.ShowSize = 1;
    label_.Columns = 7;
    label_.LayoutValid = 0;
    Run();
    ColumnGeometry g = ComputeColumnGeometry(K, ShiftRect(body_, 7, -4), 1.0, 7, 13, 14, false);
    LabelRect cell = CellRect(g, 0, 0);
    // The size text is wider than the cell: the name gets no room at all
    // and is not drawn; the size stays in the cell.
    std::vector<Drawn> sizes = rec_.Named("1234");
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].rect.right, cell.right);
    EXPECT_TRUE(rec_.Named("WWW").empty());
    label_.ShowSize = 0;
    Run();
    ASSERT_EQ(rec_.Named("WWW").size(), 1u);
    EXPECT_EQ(rec_.Named("WWW")[0].rect.right, cell.right);
}

TEST(SpinePlans, KestrinLogoOnTopTitleBelowAndOpposedTurned) {
    LabelRect strip = {10, -20, 85, -501};
    SpinePlan p;
    ASSERT_EQ(PlanSpines(K, &strip, 1, 1.0, true, false, &p), 1);
    EXPECT_EQ(p.initialsBox.top, -20);
    EXPECT_EQ(p.initialsBox.bottom, -57);  // 37 units
    EXPECT_EQ(p.numberBox.bottom, -94);
    EXPECT_EQ(p.title.top, -94 - 8);
    EXPECT_EQ(p.title.bottom, -501 + 8);
    EXPECT_EQ(p.title.left, 12);
    EXPECT_EQ(p.title.right, 83);
    EXPECT_EQ(p.logoRotation, 0);
    EXPECT_EQ(p.titleRotation, 90);
    EXPECT_EQ(p.dividers[0].y1, p.numberBox.top);
    EXPECT_EQ(p.dividers[1].y1, p.numberBox.bottom);
    // Logo off: the title takes the whole length.
    PlanSpines(K, &strip, 1, 1.0, false, false, &p);
    EXPECT_EQ(p.title.top, -28);
    EXPECT_EQ(p.title.bottom, -493);
    // Opposed: logo at the bottom, texts turned 180 degrees.
    PlanSpines(K, &strip, 1, 1.0, true, true, &p);
    EXPECT_EQ(p.initialsBox.bottom, -501);
    EXPECT_EQ(p.numberBox.bottom, -501 + 37);
    EXPECT_EQ(p.title.top, -28);
    EXPECT_EQ(p.title.bottom, -501 + 74 + 8);
    EXPECT_EQ(p.logoRotation, 180);
    EXPECT_EQ(p.titleRotation, 270);
    // Half scale: 15 + 3 units a box.
    PlanSpines(K, &strip, 1, 0.5, true, false, &p);
    EXPECT_EQ(p.initialsBox.top - p.initialsBox.bottom, 18);
}

TEST(SpinePlans, DovantelTurnsOnlyItsRightSpineAndWimbrookRunsAlongItsStrip) {
    LabelRect strips[2] = {{0, 0, 25, -460}, {566, 0, 591, -460}};
    SpinePlan p[2];
    ASSERT_EQ(PlanSpines(kDovantelProfile, strips, 2, 1.0, true, true, p), 2);
    EXPECT_EQ(p[0].logoRotation, 90);
    EXPECT_EQ(p[0].titleRotation, 90);
    EXPECT_EQ(p[0].initialsBox.top, 0);
    EXPECT_EQ(p[1].logoRotation, 270);
    EXPECT_EQ(p[1].titleRotation, 270);
    EXPECT_EQ(p[1].initialsBox.bottom, -460);
    PlanSpines(kDovantelProfile, strips, 2, 1.0, true, false, p);
    EXPECT_EQ(p[1].titleRotation, 90);
    EXPECT_EQ(p[1].initialsBox.top, 0);

    LabelRect strip = {0, -213, 275, -225};
    SpinePlan w;
    PlanSpines(kWimbrookProfile, &strip, 1, 1.0, true, false, &w);
    EXPECT_EQ(w.initialsBox.left, 0);
    EXPECT_EQ(w.initialsBox.right, 37);
    EXPECT_EQ(w.numberBox.right, 74);
    EXPECT_EQ(w.title.left, 74 + 8);
    EXPECT_EQ(w.title.top, -215);
    EXPECT_EQ(w.titleRotation, 0);
    EXPECT_EQ(w.dividers[0].x1, 37);  // across the strip: vertical
    EXPECT_EQ(w.dividers[0].x2, 37);
    PlanSpines(kWimbrookProfile, &strip, 1, 1.0, true, true, &w);
    EXPECT_EQ(w.initialsBox.right, 275);
    EXPECT_EQ(w.title.right, 275 - 74 - 8);
    EXPECT_EQ(w.titleRotation, 180);
    EXPECT_EQ(SpineTitleAlign(1), TEXT_HCENTER | TEXT_VCENTER);
    EXPECT_EQ(SpineTitleAlign(2), TEXT_RIGHT | TEXT_VCENTER);
}

TEST(PageLayers, ObjectRectanglesAlignmentsAndBorderPens) {
    ObjectRecord rec = {};
    rec.Left = 101;
    rec.Top = -51;
    rec.Right = 301;  // 200 wide
    rec.Bottom = -151;
    EXPECT_EQ(ObjectDrawRect(rec, 1, 10, -20), (LabelRect{111, -71, 311, -171}));
    EXPECT_EQ(ObjectDrawRect(rec, 0, 10, -20), (LabelRect{60, -45, 160, -95}));
    std::swap(rec.Left, rec.Right);  // corners the other way round keep the size
    EXPECT_EQ(ObjectDrawRect(rec, 1, 0, 0).right - ObjectDrawRect(rec, 1, 0, 0).left, 200);
    EXPECT_EQ(StringTextAlign(2, 2), TEXT_RIGHT | TEXT_BOTTOM);
    EXPECT_EQ(StringTextAlign(1, 1), TEXT_HCENTER | TEXT_VCENTER);
    EXPECT_EQ(StringTextAlign(7, -3), 0);
    EXPECT_EQ(StringRotation(45), 0);
    EXPECT_EQ(StringRotation(270), 270);
    EXPECT_TRUE(BorderPenFor(0, true).draw);
    EXPECT_EQ(BorderPenFor(0, true).width, 1);
    EXPECT_EQ(BorderPenFor(3, false).line, BORDER_DASHDOT);
    EXPECT_EQ(BorderPenFor(3, false).width, 0);
    EXPECT_FALSE(BorderPenFor(5, true).draw);
    EXPECT_TRUE(BorderPenFor(5, false).draw);
    EXPECT_EQ(BorderPenFor(5, false).color, MakeColor(192, 192, 192));
    EXPECT_EQ(BorderPenFor(9, true).line, BORDER_SOLID);
}

}  // namespace
