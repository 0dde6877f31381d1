// What a print job puts on each sheet: pieces, places, crop marks, the
// sheets of a booklet range, the size warning and the setup fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "render/crop_marks.h"
#include "render/page_flow.h"
#include "render/print_plan.h"
#include "render/print_setup.h"

namespace {

const EditionProfile& K = kKestrinProfile;
const EditionProfile& D = kDovantelProfile;
const EditionProfile& W = kWimbrookProfile;
const GeometrySettings G = {};  // the default side margin and print position

PrintRequest Request(const EditionProfile& edition, int kind, int what = PRINT_WHOLE) {
    PrintRequest r;
    r.edition = &edition;
    r.kind = kind;
    r.what = what;
    r.paper.width = 1169;
    r.paper.height = 826;
    return r;
}

// "page@x,y" for every piece, sheets separated by " | ".
std::string Describe(const std::vector<PrintSheet>& sheets) {
    std::string text;
    for (const PrintSheet& s : sheets) {
        if (!text.empty()) text += " | ";
        std::string sheet;
        for (const PrintPiece& p : s.pieces) {
            if (!sheet.empty()) sheet += " ";
            sheet += std::to_string(p.page) + "@" + std::to_string(p.at.x) + "," + std::to_string(p.at.y);
        }
        text += sheet;
    }
    return text;
}

std::vector<int> Marks(const std::vector<PrintSheet>& sheets) {
    std::vector<int> marks;
    for (const PrintSheet& s : sheets)
        for (const PrintPiece& p : s.pieces) marks.push_back(p.cropMarks);
    return marks;
}

TEST(PrintPlan, KestrinCoversSideBySideBackFirst) {
    PrintRequest r = Request(K, KIND_COVERS);
    EXPECT_EQ(Describe(PlanPrintJob(r)), "2@1,-165 1@495,-165");
    r.placement.separate = true;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "2@1,-165 1@505,-165");
    EXPECT_EQ(Marks(PlanPrintJob(r)), (std::vector<int>{CROP_NONE, CROP_NONE}));
    r.placement.cropMarks = true;
    EXPECT_EQ(Marks(PlanPrintJob(r)), (std::vector<int>{CROP_LEFT, CROP_RIGHT}));
}

TEST(PrintPlan, OwnPositionsAreRoundedAndTheSecondKeepsItsShift) {
    PrintRequest r = Request(K, KIND_COVERS);
    r.placement.origPosition = false;
    r.placement.newPosX = 1.009;
    r.placement.newPosY = 0.506;
    r.placement.newPosX2 = 6.0;
    r.placement.newPosY2 = 0.996;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "2@101,-51 1@593,-100");
    PrintRequest d = Request(D, KIND_COVERS);
    d.placement = r.placement;
    EXPECT_EQ(Describe(PlanPrintJob(d)), "1@101,-51 2@593,-100");
    EXPECT_EQ(InchesToLabelUnits(-0.125), -13);
    EXPECT_EQ(InchesToLabelUnits(0.0 / 0.0), 0);
}

TEST(PrintPlan, NewPageAndPrintOnlyPutEachPieceAloneWithAllMarks) {
    PrintRequest r = Request(K, KIND_COVERS);
    r.placement.cropMarks = true;
    r.placement.multiPage = true;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "2@1,-165 | 1@1,-165");
    EXPECT_EQ(Marks(PlanPrintJob(r)), (std::vector<int>{CROP_ALL, CROP_ALL}));
    r.placement.multiPage = false;
    r.what = PRINT_FRONT_ONLY;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "1@1,-165");
    EXPECT_EQ(Marks(PlanPrintJob(r)), std::vector<int>{CROP_ALL});
    r.what = PRINT_BACK_ONLY;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "2@1,-165");
}

TEST(PrintPlan, KestrinBookletRangeFromTwoPrintsNoCoversAndStopsAtTheLastSheetWithContent) {
    PrintRequest r = Request(K, KIND_BOOKLET);
    r.fromSheet = 2;
    r.toSheet = 3;
    r.lastSheet = 5;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "4@1,-165 3@495,-165 | 6@1,-165 5@495,-165");
    r.fromSheet = 1;
    r.toSheet = 5;
    r.lastSheet = 2;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "2@1,-165 1@495,-165 | 4@1,-165 3@495,-165");
    // One cover only never prints booklet sheets.
    r.what = PRINT_FRONT_ONLY;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "1@1,-165");
}

TEST(PrintPlan, DovantelStacksTheFrontCoverUnderTheTrayCardAtFullSizeOrigins) {
    PrintRequest r = Request(D, KIND_COVERS);
    r.placement.cropMarks = true;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "1@107,-50 2@167,-510");
    EXPECT_EQ(Marks(PlanPrintJob(r)), (std::vector<int>{CROP_ALL, CROP_BOTTOM}));
    r.placement.separate = true;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "1@107,-50 2@167,-520");
    r.what = PRINT_FRONT_ONLY;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "2@167,-520");
    EXPECT_EQ(Marks(PlanPrintJob(r)), std::vector<int>{CROP_ALL});
}

TEST(PrintPlan, DovantelBookletSheetsStackOddOverEven) {
    PrintRequest r = Request(D, KIND_BOOKLET);
    r.fromSheet = 1;
    r.toSheet = 3;
    r.lastSheet = 3;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "1@107,-50 2@167,-510 | 3@167,-50 4@167,-525 | 5@167,-50 6@167,-525");
    r.fromSheet = 3;
    r.placement.origPosition = false;
    r.placement.separate = true;
    r.placement.newPosX = 0.5;
    r.placement.newPosY = 0.25;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "5@50,-25 6@50,-510");
}

TEST(PrintPlan, WimbrookPrintsItsLabelsInTheSheetGridFromTheCompensatedOrigin) {
    PrintRequest r = Request(W, KIND_SHEET);
    r.paper.offset = {10, 30};
    r.printsLabel[0] = r.printsLabel[4] = r.printsLabel[8] = true;
    std::vector<PrintSheet> plan = PlanPrintJob(r);
    EXPECT_EQ(Describe(plan), "1@3,-20 1@278,-320 1@553,-620");
    EXPECT_EQ(plan[0].pieces[1].label, 4);
    r.placement.origPosition = false;
    r.placement.newPosX = 1.3;
    r.placement.newPosY = 0.5;
    r.page = 2;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "2@130,-50 2@405,-350 2@680,-650");
    // One label: label 0 at the sheet origin, or nothing.
    r.kind = KIND_COVERS;
    EXPECT_EQ(Describe(PlanPrintJob(r)), "2@130,-50");
    r.printsLabel[0] = false;
    EXPECT_TRUE(PlanPrintJob(r).empty());
}

TEST(PrintPlan, SizeWarningOnlyForTheWholeKestrinLabelWiderThanThePaper) {
    PrintRequest r = Request(K, KIND_BOOKLET);
    r.paper.width = 1064;  // 494 + 569 + 1 fits exactly
    EXPECT_FALSE(AsksSizeWarning(r));
    r.paper.width = 800;
    EXPECT_TRUE(AsksSizeWarning(r));
    r.placement.separate = true;
    r.paper.width = 1073;
    EXPECT_TRUE(AsksSizeWarning(r));
    // A range that starts at a booklet sheet is cut off the same way.
    r.fromSheet = r.toSheet = r.lastSheet = 2;
    EXPECT_TRUE(AsksSizeWarning(r));
    r.lastSheet = 1;  // that sheet would stay blank: nothing side by side prints
    EXPECT_FALSE(AsksSizeWarning(r));
    r.fromSheet = r.toSheet = 1;
    PrintRequest frontOnly = r, newPage = r, ownPlace = r, dovantel = r;
    frontOnly.what = PRINT_FRONT_ONLY;
    newPage.placement.multiPage = true;
    ownPlace.placement.origPosition = false;
    dovantel.edition = &D;
    EXPECT_FALSE(AsksSizeWarning(frontOnly));
    EXPECT_FALSE(AsksSizeWarning(newPage));
    EXPECT_FALSE(AsksSizeWarning(ownPlace));
    EXPECT_FALSE(AsksSizeWarning(dovantel));
}

TEST(PrintPlan, SheetRangeIsClampedToTheBooklet) {
    int from = 0, to = 9;
    ClampSheetRange(5, &from, &to);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 5);
    from = 7;
    to = 2;
    ClampSheetRange(5, &from, &to);
    EXPECT_EQ(from, 5);
    EXPECT_EQ(to, 5);
}

class BookletContentTest : public testing::Test {
protected:
    void SetUp() override {
        std::memset(&label_, 0, sizeof label_);
        label_.Columns = 3;
        label_.FontHeight = 13;
        label_.DirFontHeight = 14;
        label_.LblFmt = 6;
    }
    void TearDown() override { ClearLabel(&label_); }
    void Entries(int count) {
        ClearLabel(&label_);
        label_.NumEntries = count;
        label_.Entries = NewEntries(count, "test");
        for (int i = 0; i < count; ++i) CopyField(label_.Entries[i].Name, ("f" + std::to_string(i)).c_str());
        label_.LayoutValid = 0;
    }
    ZIPINFO label_;
};

TEST_F(BookletContentTest, SheetsWithoutEntriesOrObjectsAreNotPrinted) {
    int through2 = FirstEntryOfPage(&label_, K, G, KIND_BOOKLET, 3);
    Entries(through2);  // pages 1 and 2 exactly full
    EXPECT_EQ(BookletSheetCount(&label_, K, G, KIND_BOOKLET, false), 2);
    EXPECT_EQ(LastSheetWithContent(&label_, K, G, KIND_BOOKLET, 2), 1);
    Entries(through2 + 1);  // one entry on page 3
    EXPECT_EQ(LastSheetWithContent(&label_, K, G, KIND_BOOKLET, 2), 2);
    // An object on page 9 makes sheet 5 print, and the blank ones before it.
    PlacedObject o;
    std::memset(&o, 0, sizeof o);
    o.rec.Page = 9;
    label_.Objects = &o;
    label_.NumObjects = 1;
    int sheets = BookletSheetCount(&label_, K, G, KIND_BOOKLET, false);
    EXPECT_EQ(sheets, 5);
    EXPECT_EQ(LastSheetWithContent(&label_, K, G, KIND_BOOKLET, sheets), 5);
    EXPECT_TRUE(PageShowsSomething(&label_, K, G, KIND_BOOKLET, 9));
    EXPECT_FALSE(PageShowsSomething(&label_, K, G, KIND_BOOKLET, 7));
    label_.Objects = nullptr;
    label_.NumObjects = 0;
}

TEST(PrintPlan, WimbrookLabelsPrintWithContentOrWhenEmptyOnesAreAskedFor) {
    ZIPINFO label;
    std::memset(&label, 0, sizeof label);
    EXPECT_FALSE(WimbrookLabelPrints(label, false));
    EXPECT_TRUE(WimbrookLabelPrints(label, true));
    label.NumObjects = 1;
    EXPECT_TRUE(WimbrookLabelPrints(label, false));
    label.NumObjects = 0;
    label.NumEntries = 1;
    EXPECT_TRUE(WimbrookLabelPrints(label, false));
}

TEST(CropMarks, EachSideMarksFromItsPaperEdge) {
    PrintableArea paper;
    paper.width = 826;
    paper.height = 1169;
    PrintPiece piece = {0, 2, {1, -165}, {494, -481}, CROP_LEFT};
    std::vector<MarkLine> lines;
    PieceCropMarks(piece, paper, &lines);
    EXPECT_EQ(lines, (std::vector<MarkLine>{{0, -165, 100, -165}, {0, -646, 100, -646}, {1, 0, 1, -100},
                                            {1, -1169, 1, -1069}}));
    lines.clear();
    piece.cropMarks = CROP_RIGHT;
    PieceCropMarks(piece, paper, &lines);
    EXPECT_EQ(lines, (std::vector<MarkLine>{{826, -165, 726, -165}, {826, -646, 726, -646}, {495, 0, 495, -100},
                                            {495, -1169, 495, -1069}}));
    lines.clear();
    piece.cropMarks = CROP_BOTTOM;
    PieceCropMarks(piece, paper, &lines);
    EXPECT_EQ(lines, (std::vector<MarkLine>{{0, -646, 100, -646}, {826, -646, 726, -646}, {1, -1169, 1, -1069},
                                            {495, -1169, 495, -1069}}));
    lines.clear();
    piece.cropMarks = CROP_ALL;
    PieceCropMarks(piece, paper, &lines);
    EXPECT_EQ(lines.size(), 8u);
}

TEST(CropMarks, NeighbouringLabelsShareTheirCutLines) {
    PrintableArea paper;
    paper.width = 850;
    paper.height = 1100;
    PrintSheet sheet;
    sheet.pieces.push_back({0, 1, {10, -50}, {275, -275}, CROP_ALL});
    sheet.pieces.push_back({1, 1, {285, -50}, {275, -275}, CROP_ALL});
    // Eight each; the top and bottom edges and the shared x 285 coincide.
    EXPECT_EQ(SheetCropMarks(sheet, paper).size(), 16u - 4u - 2u);
}

TEST(PrintSetup, FieldsTakeFiniteInchesWithinTheLoadersBoundsAndNameTheFieldOtherwise) {
    double value = 0;
    std::string message;
    EXPECT_TRUE(ReadSetupField(K, SETUP_X, " 1.250 ", &value, &message));
    EXPECT_DOUBLE_EQ(value, 1.25);
    EXPECT_TRUE(ReadSetupField(K, SETUP_Y2, "-50", &value, &message));
    EXPECT_DOUBLE_EQ(value, -50.0);
    for (const char* bad : {"", "abc", "1.2x", "nan", "inf", "1e999", "50.001"}) {
        value = 7;
        EXPECT_FALSE(ReadSetupField(K, SETUP_X, bad, &value, &message)) << bad;
        EXPECT_EQ(value, 7);
        EXPECT_NE(message.find("Back: X (in.)"), std::string::npos) << message;
    }
    EXPECT_FALSE(ReadSetupField(W, SETUP_MARGIN, "1.001", &value, &message));
    EXPECT_NE(message.find("Margin (in.)"), std::string::npos);
    EXPECT_FALSE(ReadSetupField(W, SETUP_MARGIN, "-0.001", &value, &message));
    EXPECT_TRUE(ReadSetupField(W, SETUP_MARGIN, "1", &value, &message));
    EXPECT_EQ(FormatSetupInches(1.0), "1.000");
    EXPECT_EQ(FormatSetupInches(-0.25), "-0.250");
}

}  // namespace
