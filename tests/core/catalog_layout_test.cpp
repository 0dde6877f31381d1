// The layout cache, the column geometry, the cells placed objects block
// and the flow of entries over pages and booklet sheets.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "render/catalog_geometry.h"
#include "render/label_geometry.h"
#include "render/layout_cache.h"
#include "render/page_flow.h"

namespace {

const EditionProfile& K = kKestrinProfile;
const EditionProfile& D = kDovantelProfile;
const EditionProfile& W = kWimbrookProfile;
const GeometrySettings G = {};  // the default side margin and print position

void Fill(ZIPINFO* list, const std::vector<std::string>& names) {
    list->NumEntries = static_cast<int>(names.size());
    list->Entries = NewEntries(list->NumEntries, "test");
    for (size_t i = 0; i < names.size(); ++i) CopyField(list->Entries[i].Name, names[i].c_str());
}

ZIPINFO* Folder(CatalogEntry* entry, const std::vector<std::string>& names, int open) {
    entry->HasSubtree = 1;
    entry->Open = open;
    entry->Child = NewCatalogList();
    Fill(entry->Child, names);
    return entry->Child;
}

class LabelTest : public testing::Test {
protected:
    void SetUp() override {
        std::memset(&label_, 0, sizeof label_);
        label_.Columns = 3;
        label_.FontHeight = 13;
        label_.DirFontHeight = 14;  // row pitch 15
    }
    void TearDown() override { ClearLabel(&label_); }
    void Entries(int count) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) names.push_back("f" + std::to_string(i) + ".txt");
        Fill(&label_, names);
        label_.LayoutValid = 0;
    }
    void AddObject(int page, int layer, LabelRect r) {
        PlacedObject o;
        std::memset(&o, 0, sizeof o);
        o.rec.Type = OBJECT_STRING;
        o.rec.Page = page;
        o.rec.Layer = layer;
        o.rec.Left = r.left;
        o.rec.Top = r.top;
        o.rec.Right = r.right;
        o.rec.Bottom = r.bottom;
        ASSERT_TRUE(InsertObjectAtHead(&label_, o));
    }
    ZIPINFO label_;
};

using LayoutCacheTest = LabelTest;

TEST_F(LayoutCacheTest, FlattensOpenFoldersWithDepthMaskNameLengthAndStyle) {
    Fill(&label_, {"Docs", "readme.TXT", "Closed"});
    ZIPINFO* docs = Folder(&label_.Entries[0], {"a.txt", "Sub", "archive.tar.gz"}, 1);
    Folder(&docs->Entries[1], {"x.doc"}, 1);
    Folder(&label_.Entries[2], {"c", "d"}, 0);
    label_.NumExtStyles = 3;
    label_.ExtStyles = static_cast<ExtStyle*>(calloc(3, sizeof(ExtStyle)));
    CopyField(label_.ExtStyles[0].ExtName, "txt");
    CopyField(label_.ExtStyles[1].ExtName, "DOC");
    CopyField(label_.ExtStyles[2].ExtName, "Txt");

    ASSERT_EQ(EnsureLayoutCache(&label_), 7);
    EXPECT_EQ(label_.LayoutValid, 1);
    const LayoutCache& c = label_.Layout;
    // One slot per entry of the tree, closed folders included, plus one.
    EXPECT_EQ(c.slots, 3 + 3 + 1 + 2 + 1);
    std::vector<std::string> names;
    for (int i = 0; i < c.rows; ++i) names.push_back(c.entry[i]->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Docs", "a.txt", "Sub", "x.doc", "archive.tar.gz", "readme.TXT",
                                               "Closed"}));
    std::vector<int> depth(c.depth, c.depth + c.rows);
    EXPECT_EQ(depth, (std::vector<int>{0, 1, 1, -2, -1, 0, 0}));
    // Docs has later siblings (bit 0); Sub has a later sibling (bit 1).
    std::vector<uint32_t> masks(c.ancestorMask, c.ancestorMask + c.rows);
    EXPECT_EQ(masks, (std::vector<uint32_t>{0, 1, 1, 3, 1, 0, 0}));
    std::vector<int> lengths(c.nameLength, c.nameLength + c.rows);
    EXPECT_EQ(lengths, (std::vector<int>{4, 1, 3, 1, 11, 6, 6}));
    // Case-insensitive, the later of two matching styles wins, no dot: none.
    std::vector<int> styles(c.extStyle, c.extStyle + c.rows);
    EXPECT_EQ(styles, (std::vector<int>{255, 2, 255, 1, 255, 2, 255}));
}

TEST_F(LayoutCacheTest, RebuiltOnlyWhenMarkedInvalid) {
    Fill(&label_, {"a.txt", "b.txt"});
    ASSERT_EQ(EnsureLayoutCache(&label_), 2);
    Folder(&label_.Entries[1], {"x", "y"}, 1);
    EXPECT_EQ(EnsureLayoutCache(&label_), 2);  // still the cached rows
    label_.LayoutValid = 0;
    EXPECT_EQ(EnsureLayoutCache(&label_), 4);
    // Sorting clears the flag through the catalog operations.
    SortCatalog(&label_);
    EXPECT_EQ(label_.LayoutValid, 0);
    EXPECT_EQ(EnsureLayoutCache(&label_), 4);
}

TEST_F(LayoutCacheTest, EmptyCatalogShowsNothing) {
    EXPECT_EQ(EnsureLayoutCache(&label_), 0);
    EXPECT_GE(label_.Layout.slots, 1);
}

TEST(ColumnGeometry, GapsAtFullAndHalfScale) {
    LabelRect body = {0, 0, 494, -481};
    EXPECT_DOUBLE_EQ(ComputeColumnGeometry(K, body, 1.0, 2, 13, 13, false).gap, 10);
    EXPECT_DOUBLE_EQ(ComputeColumnGeometry(K, body, 1.0, 3, 13, 13, false).gap, 5);
    EXPECT_DOUBLE_EQ(ComputeColumnGeometry(K, body, 0.5, 2, 13, 13, false).gap, 2.5);
    EXPECT_DOUBLE_EQ(ComputeColumnGeometry(K, body, 0.5, 3, 13, 13, false).gap, 1);
    EXPECT_DOUBLE_EQ(ComputeColumnGeometry(W, body, 1.0, 1, 13, 13, false).gap, 5);
    // Columns with their gaps fill the body exactly.
    ColumnGeometry g = ComputeColumnGeometry(K, body, 1.0, 2, 13, 13, false);
    EXPECT_DOUBLE_EQ(g.width, (494 - 2 * 2 * 10) / 2.0);
    EXPECT_DOUBLE_EQ(ColumnX(g, 1) + g.width + g.gap, body.right);
}

TEST(ColumnGeometry, RowsFollowTheTallerFontAndTheCommentTakesOne) {
    LabelRect body = {75, 0, 569, -481};
    ColumnGeometry g = ComputeColumnGeometry(K, body, 1.0, 3, 13, 14, false);
    EXPECT_DOUBLE_EQ(g.pitch, 15);
    EXPECT_EQ(g.rows, 30);  // (481 - 25) / 15 = 30.4
    EXPECT_EQ(ComputeColumnGeometry(K, body, 1.0, 3, 14, 13, true).rows, 29);
    // Half scale on the halved body gives the same rows.
    EXPECT_EQ(ComputeColumnGeometry(K, ScaleRect(body, 0.5), 0.5, 3, 13, 14, false).rows, 30);
    // Rows stand 25 units below the top, one pitch apart.
    EXPECT_DOUBLE_EQ(RowY(g, 0), -25);
    EXPECT_DOUBLE_EQ(RowY(g, 2), -55);
    LabelRect cell = CellRect(g, 0, 2);
    EXPECT_EQ(cell.bottom, -56);
    EXPECT_EQ(cell.top, -55 + 15 + 2);
    EXPECT_EQ(cell.left, static_cast<int>(ColumnX(g, 0) + 1));
}

TEST(ColumnGeometry, NoRowsWithoutAPositivePitch) {
    LabelRect body = {0, 0, 494, -481};
    EXPECT_EQ(ComputeColumnGeometry(K, body, 1.0, 3, -1, -1, false).rows, 0);
    EXPECT_EQ(ComputeColumnGeometry(K, body, 1.0, 3, -5, -9, false).rows, 0);
    EXPECT_EQ(ComputeColumnGeometry(K, body, 1.0, 3, 2000, 13, false).rows, 0);
    EXPECT_EQ(ComputeColumnGeometry(K, body, 1.0, 3, 470, 13, true).rows, 0);  // never negative
    EXPECT_EQ(ComputeColumnGeometry(K, body, 1.0, 99, 13, 13, false).columns, kMaxColumns);
}

using CapacityTest = LabelTest;

TEST_F(CapacityTest, ObjectAboveTheLabelBlocksExactlyTheCellsItCovers) {
    LabelRect body;
    ASSERT_TRUE(GetTextRect(K, KIND_COVERS, 2, &body));
    int full = PageCapacity(&label_, K, body, 1.0, 3, 2);
    EXPECT_EQ(full, 3 * 30);
    ColumnGeometry g = ComputeColumnGeometry(K, body, 1.0, 3, 13, 14, false);
    int x = static_cast<int>(ColumnX(g, 0));
    // From inside row 5 down into row 9 of the first column only.
    LabelRect over = {x + 20, static_cast<int>(RowY(g, 5)) + 5, x + 50, static_cast<int>(RowY(g, 9)) + 5};
    AddObject(2, LAYER_ON, over);
    AddObject(1, LAYER_ABOVE, over);
    EXPECT_EQ(PageCapacity(&label_, K, body, 1.0, 3, 2), full);  // other layer, other page
    AddObject(2, LAYER_ABOVE, over);
    EXPECT_EQ(PageCapacity(&label_, K, body, 1.0, 3, 2), full - 5);
    // The page after it in the flow starts that much earlier.
    label_.LblFmt = 0;
    Entries(200);
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_COVERS, 1), full - 5);
    // At half scale the same object blocks the same cells.
    EXPECT_EQ(PageCapacity(&label_, K, ScaleRect(body, 0.5), 0.5, 3, 2), full - 5);
}

TEST_F(CapacityTest, NoColumnsHoldNothing) {
    LabelRect body = {0, 0, 494, -481};
    EXPECT_EQ(PageCapacity(&label_, K, body, 1.0, 0, 2), 0);
}

TEST_F(CapacityTest, FormatZeroWithAShortCatalogLeavesPageOneEmpty) {
    Entries(10);
    label_.LblFmt = 0;
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_COVERS, 2), 0);
    EXPECT_GE(FirstEntryOfPage(&label_, K, G, KIND_COVERS, 1), EnsureLayoutCache(&label_));
    label_.LblFmt = 4;
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_COVERS, 1), 0);
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_COVERS, 2), 0);
    label_.LblFmt = 1;
    label_.ShowComm = 1;
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_COVERS, 1), 0);
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_COVERS, 2), 3 * 29);  // page 1 gives a row to the comment
}

TEST_F(CapacityTest, BookletFlowPerEdition) {
    Entries(1000);
    label_.LblFmt = 6;
    int front = PageCapacityAt(&label_, K, G, KIND_BOOKLET, 1), back = PageCapacityAt(&label_, K, G, KIND_BOOKLET, 2);
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_BOOKLET, 2), front);
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_BOOKLET, 4), 2 * front + back);
    // A Kestrin label carrying format 5 shows nothing on page 1, so page 1
    // holds back none of the entries.
    label_.LblFmt = 5;
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_BOOKLET, 2), 0);
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_BOOKLET, 3), back);
    // Nor does it under a covers format that leaves page 1 empty (a booklet
    // kind loaded beside format 2); under format 0 page 1 shows entries.
    label_.LblFmt = 2;
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_BOOKLET, 3), back);
    label_.LblFmt = 0;
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_BOOKLET, 2), front);
    // Dovantel: the tray card never takes part in the booklet's flow.
    int page = PageCapacityAt(&label_, D, G, KIND_BOOKLET, 2);
    EXPECT_EQ(PageCapacityAt(&label_, D, G, KIND_BOOKLET, 3), page);
    EXPECT_EQ(FirstEntryOfPage(&label_, D, G, KIND_BOOKLET, 2), 0);
    EXPECT_EQ(FirstEntryOfPage(&label_, D, G, KIND_BOOKLET, 4), 2 * page);
    label_.LblFmt = 6;
    EXPECT_EQ(FirstEntryOfPage(&label_, D, G, KIND_BOOKLET, 1), 0);
    EXPECT_EQ(FirstEntryOfPage(&label_, D, G, KIND_BOOKLET, 3), page);
    // Wimbrook: page 2 continues where page 1 ends.
    EXPECT_EQ(FirstEntryOfPage(&label_, W, G, KIND_SHEET, 2), PageCapacityAt(&label_, W, G, KIND_SHEET, 1));
    EXPECT_GT(PageCapacityAt(&label_, W, G, KIND_SHEET, 1), 0);
}

TEST_F(CapacityTest, BookletWithoutColumnsPrintsOneSheetUnlessObjectsLieFurther) {
    label_.Columns = 0;
    Entries(500);
    EXPECT_EQ(BookletSheetCount(&label_, K, G, KIND_BOOKLET, false), 1);
    AddObject(2, LAYER_ABOVE, {0, 0, 20, -20});
    EXPECT_EQ(BookletSheetCount(&label_, K, G, KIND_BOOKLET, false), 1);
    AddObject(3, LAYER_BELOW, {0, 0, 20, -20});
    EXPECT_EQ(BookletSheetCount(&label_, K, G, KIND_BOOKLET, false), 2);
    AddObject(5, LAYER_ON, {0, 0, 20, -20});
    EXPECT_EQ(BookletSheetCount(&label_, K, G, KIND_BOOKLET, false), 3);
    EXPECT_EQ(BookletSheetCount(&label_, K, G, KIND_BOOKLET, true), 1);
}

TEST_F(CapacityTest, BookletSheetsFollowTheEntries) {
    label_.LblFmt = 5;
    int page = PageCapacityAt(&label_, D, G, KIND_BOOKLET, 2);
    Entries(page - 1);
    EXPECT_EQ(BookletSheetCount(&label_, D, G, KIND_BOOKLET, false), 1);
    ClearLabel(&label_);
    Entries(page + 2 * page - 1);  // pages 2, 3 and 4
    EXPECT_EQ(BookletSheetCount(&label_, D, G, KIND_BOOKLET, false), 2);
    ClearLabel(&label_);
    Entries(page + 2 * page + 1);
    EXPECT_EQ(BookletSheetCount(&label_, D, G, KIND_BOOKLET, false), 3);
    EXPECT_EQ(BookletSheetCount(&label_, D, G, KIND_COVERS, false), 1);
}

TEST_F(CapacityTest, SheetCountEndsWhenPagesHoldNoRows) {
    Entries(50);
    label_.FontHeight = 5000;  // no row fits on any page
    EXPECT_EQ(BookletSheetCount(&label_, K, G, KIND_BOOKLET, false), 1);
    label_.FontHeight = -1;
    label_.DirFontHeight = -1;  // never measured: no pitch
    EXPECT_EQ(BookletSheetCount(&label_, K, G, KIND_BOOKLET, false), 1);
    label_.FontHeight = label_.DirFontHeight = 13;
    // Every cell of pages 2 to 6 covered: the entries go to pages 7 and 8.
    label_.LblFmt = 5;
    for (int p = 2; p <= 6; ++p) AddObject(p, LAYER_ABOVE, {0, 0, 600, -500});
    EXPECT_EQ(PageCapacityAt(&label_, K, G, KIND_BOOKLET, 4), 0);
    EXPECT_EQ(FirstEntryOfPage(&label_, K, G, KIND_BOOKLET, 7), 0);
    EXPECT_EQ(BookletSheetCount(&label_, K, G, KIND_BOOKLET, false), 4);
}

}  // namespace
