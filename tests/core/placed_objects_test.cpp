// The object list, new strings, and the commands that reshape, copy and
// delete placed objects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "document/insert_picture.h"
#include "document/label_copy.h"
#include "document/object_commands.h"
#include "document/object_list.h"
#include "document/object_ops.h"
#include "document/string_object.h"
#include "render/label_geometry.h"
#include "tests/core/report_recorder.h"

namespace {

// Glyphs 7 units wide, lines 12 high, as an honest display reports them.
bool FakeExtent(const ObjectRecord&, const char*, int length, TextExtent* out) {
    *out = {7 * length, 12};
    return true;
}

class ObjectsTest : public testing::Test {
protected:
    void SetUp() override {
        std::memset(&label_, 0, sizeof label_);
        label_.SpineFont.lfHeight = -19;
        CopyField(label_.SpineFont.lfFaceName, "Arial");
        label_.SpineFontColor = MakeColor(0, 0, 255);
        g_stringTemplate.filled = false;
        label_.SelectionKind = 0;
        SetStringExtentHook(FakeExtent);
    }
    void TearDown() override {
        ClearLabel(&label_);
        SetStringExtentHook(nullptr);
        label_.SelectionKind = 0;
    }
    PlacementContext Kestrin(int page = 1) { return {&kKestrinProfile, KIND_COVERS, page}; }

    // A picture of w x h pixels at 72 per inch with a recognisable bitmap.
    void AddPicture(int w, int h, int page = 1) {
        PlacedObject o;
        std::memset(&o, 0, sizeof o);
        o.rec.Type = OBJECT_PICTURE;
        o.rec.Page = page;
        o.rec.Layer = LAYER_ABOVE;
        PictureFields& p = o.rec.Picture;
        p.NaturalLeft = o.rec.Left = 100;
        p.NaturalTop = o.rec.Top = -100;
        p.NaturalRight = o.rec.Right = 100 + w;
        p.NaturalBottom = o.rec.Bottom = -100 - h;
        o.bitmapSize = 64;
        o.bitmap = static_cast<uint8_t*>(std::malloc(o.bitmapSize));
        for (uint32_t i = 0; i < o.bitmapSize; ++i) o.bitmap[i] = static_cast<uint8_t>(i * 3 + w);
        o.bits = o.bitmap + 40;
        // A header that claims far more than was allocated.
        SetFileHeaderSize(&o.rec, 100000);
        ASSERT_TRUE(InsertObjectAtHead(&label_, o));
        SelectListObject(&label_, 0);
    }
    ObjectRecord& Head() { return label_.Objects[0].rec; }
    ZIPINFO label_;
};

TEST_F(ObjectsTest, NewStringIsCentredEditMeInTheSpineFontOnWhite) {
    ASSERT_NE(InsertNewString(&label_, Kestrin()), nullptr);
    ASSERT_EQ(label_.NumObjects, 1);
    const ObjectRecord& s = Head();
    EXPECT_EQ(s.Type, OBJECT_STRING);
    EXPECT_STREQ(s.Text, "Edit Me...");
    EXPECT_EQ(std::memcmp(&s.Font, &label_.SpineFont, sizeof s.Font), 0);
    EXPECT_EQ(s.TextColor, label_.SpineFontColor);
    EXPECT_EQ(s.BackColor, MakeColor(255, 255, 255));
    EXPECT_EQ(s.Filled, 1);
    EXPECT_EQ(s.AutoSize, 1);
    EXPECT_EQ(s.HAlign, 1);
    EXPECT_EQ(s.VAlign, 1);
    EXPECT_EQ(s.Layer, LAYER_ABOVE);
    EXPECT_EQ(s.Page, 1);
    EXPECT_EQ(label_.SelectionKind, SELECTED_STRING);
    // The text plus 5 each way.
    EXPECT_EQ(s.Right - s.Left, 10 * 7 + 5);
    EXPECT_EQ(s.Top - s.Bottom, 12 + 5);
    // Centred right of the front cover's spine and on the page's height.
    EXPECT_LE(std::abs((s.Left + s.Right) - (75 + 569)), 1);
    EXPECT_LE(std::abs((s.Top + s.Bottom) - (-481)), 1);
}

TEST_F(ObjectsTest, ItalicStringsAreWiderAndTurnedStringsExchangeTheirSides) {
    label_.SpineFont.lfItalic = 1;
    ASSERT_NE(InsertNewString(&label_, Kestrin()), nullptr);
    EXPECT_EQ(Head().Right - Head().Left, 10 * 7 + 15);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_ROTATE, 90}, Kestrin()));
    EXPECT_EQ(Head().Orientation, 90);
    EXPECT_EQ(Head().Right - Head().Left, 12 + 5);
    EXPECT_EQ(Head().Top - Head().Bottom, 10 * 7 + 15);
    // Without auto-size a turn keeps the rectangle.
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_TOGGLE_AUTOSIZE, 0}, Kestrin()));
    EXPECT_EQ(Head().AutoSize, 0);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_ROTATE, 0}, Kestrin()));
    EXPECT_EQ(Head().Right - Head().Left, 12 + 5);
    // Switching auto-size back on sizes at once.
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_TOGGLE_AUTOSIZE, 0}, Kestrin()));
    EXPECT_EQ(Head().Right - Head().Left, 10 * 7 + 15);
}

TEST_F(ObjectsTest, AutoSizeMeasuresEveryLine) {
    ASSERT_NE(InsertNewString(&label_, Kestrin()), nullptr);
    CopyField(Head().Text, "ab\r\nlonger line\r\n");
    ASSERT_TRUE(AutoSizeString(&Head()));
    EXPECT_EQ(Head().Right - Head().Left, 11 * 7 + 5);
    EXPECT_EQ(Head().Top - Head().Bottom, 3 * 12 + 5);
    // Without a way to measure the rectangle stays.
    SetStringExtentHook(nullptr);
    ObjectRecord before = Head();
    EXPECT_FALSE(AutoSizeString(&Head()));
    EXPECT_EQ(Head().Right, before.Right);
}

TEST_F(ObjectsTest, TemplateTakesTheAcceptedStringButNotItsText) {
    ASSERT_NE(InsertNewString(&label_, Kestrin()), nullptr);
    ObjectRecord accepted = Head();
    CopyField(accepted.Text, "Hello");
    accepted.TextColor = MakeColor(255, 0, 0);
    accepted.Orientation = 90;
    accepted.AutoSize = 0;
    TakeStringTemplateFrom(accepted);
    ASSERT_NE(InsertNewString(&label_, Kestrin(2)), nullptr);
    EXPECT_EQ(label_.NumObjects, 2);
    EXPECT_STREQ(Head().Text, "Edit Me...");
    EXPECT_EQ(Head().TextColor, MakeColor(255, 0, 0));
    EXPECT_EQ(Head().Orientation, 90);
    EXPECT_EQ(Head().AutoSize, 1);
    EXPECT_EQ(Head().Page, 2);
    EXPECT_EQ(Head().Top - Head().Bottom, 10 * 7 + 5);  // sized turned
}

TEST_F(ObjectsTest, SelectingMovesTheObjectToTheHead) {
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(InsertNewString(&label_, Kestrin()), nullptr);
        CopyField(Head().Text, std::to_string(i).c_str());
    }
    SelectListObject(&label_, 2);
    EXPECT_STREQ(label_.Objects[0].rec.Text, "0");
    EXPECT_STREQ(label_.Objects[1].rec.Text, "2");
    EXPECT_STREQ(label_.Objects[2].rec.Text, "1");
    EXPECT_EQ(label_.SelectionKind, SELECTED_STRING);
    SelectListObject(&label_, 3);
    EXPECT_EQ(label_.SelectionKind, SELECTED_NOTHING);
    EXPECT_EQ(SelectedObject(&label_), nullptr);
}

TEST_F(ObjectsTest, QuarterScaleKeepsTheMinimumAndTrueScaleIsAnInchPerSeventyTwoPixels) {
    AddPicture(40, 30);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_SCALE, 25}, Kestrin()));
    EXPECT_EQ(Head().Right - Head().Left, 10);
    EXPECT_EQ(Head().Bottom - Head().Top, -10);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_SCALE, 150}, Kestrin()));
    EXPECT_EQ(Head().Right - Head().Left, 60);
    EXPECT_EQ(Head().Bottom - Head().Top, -45);
    ClearLabel(&label_);
    AddPicture(72, 72);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_TRUE_SCALE, 0}, Kestrin()));
    EXPECT_EQ(Head().Right - Head().Left, 100);
    EXPECT_EQ(Head().Top - Head().Bottom, 100);
    // A picture dragged off the top-left edge comes back onto the page.
    Head().Left = -30;
    Head().Top = 15;
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_SCALE, 100}, Kestrin()));
    EXPECT_EQ(Head().Left, 0);
    EXPECT_EQ(Head().Top, 0);
    EXPECT_EQ(Head().Right, 72);
}

TEST_F(ObjectsTest, CopyOfAPictureOwnsItsBitmapSizedFromTheAllocation) {
    AddPicture(40, 30);
    std::vector<uint8_t> original(label_.Objects[0].bitmap, label_.Objects[0].bitmap + 64);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_COPY, 0}, Kestrin()));
    ASSERT_EQ(label_.NumObjects, 2);
    EXPECT_NE(label_.Objects[0].bitmap, label_.Objects[1].bitmap);
    EXPECT_EQ(label_.Objects[0].bitmapSize, 64u);
    EXPECT_EQ(label_.Objects[0].bits, label_.Objects[0].bitmap + 40);
    EXPECT_EQ(label_.SelectionKind, SELECTED_PICTURE);
    // Deleting the first leaves the other's picture intact.
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_DELETE, 0}, Kestrin()));
    ASSERT_EQ(label_.NumObjects, 1);
    EXPECT_EQ(label_.SelectionKind, SELECTED_NOTHING);
    EXPECT_EQ(std::vector<uint8_t>(label_.Objects[0].bitmap, label_.Objects[0].bitmap + 64), original);
    // Nothing selected: delete does nothing.
    EXPECT_FALSE(RunObjectCommand(&label_, {OBJ_DELETE, 0}, Kestrin()));
    EXPECT_EQ(label_.NumObjects, 1);
}

TEST_F(ObjectsTest, MaximumAspectFitsTheBodyAndSurvivesAPictureWithoutSize) {
    AddPicture(40, 30, 2);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_MAX_ASPECT, 0}, Kestrin(2)));
    EXPECT_EQ(Head().Right - Head().Left, 494);  // limited by the width
    EXPECT_EQ(Head().Top - Head().Bottom, 370);
    EXPECT_EQ(Head().Left, 0);
    ClearLabel(&label_);
    AddPicture(0, 0, 2);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_MAX_ASPECT, 0}, Kestrin(2)));
    EXPECT_EQ(Head().Right - Head().Left, 0);  // no size to scale: only centred
    EXPECT_LE(std::abs(Head().Left * 2 - 494), 1);
    ClearLabel(&label_);
    AddPicture(0, 30, 2);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_MAX_ASPECT, 0}, Kestrin(2)));
    EXPECT_EQ(Head().Top - Head().Bottom, 481);
    EXPECT_EQ(Head().Right - Head().Left, 10);
}

TEST_F(ObjectsTest, SizeToBodyAndLabelUseTheObjectsOwnPage) {
    AddPicture(40, 30, 1);
    ASSERT_TRUE(SizeToBody(&Head(), Kestrin()));
    EXPECT_EQ(Head().Left, 75);
    EXPECT_EQ(Head().Right, 569);
    EXPECT_EQ(Head().Bottom, -481);
    // A Dovantel booklet page is the page's own, not the tray card's.
    PlacementContext booklet = {&kDovantelProfile, KIND_BOOKLET, 1};
    Head().Page = 3;
    ASSERT_TRUE(SizeToBody(&Head(), booklet));
    EXPECT_EQ(Head().Left, 20);
    EXPECT_EQ(Head().Right, 480);
    ASSERT_TRUE(SizeToLabel(&Head(), booklet));
    EXPECT_EQ(Head().Right, 480);
    EXPECT_EQ(Head().Bottom, -475);
    // A covers page outside 1 and 2 is reported and nothing changes.
    ReportRecorder recorder;
    ObjectRecord before = Head();
    EXPECT_FALSE(SizeToLabel(&Head(), Kestrin()));
    EXPECT_EQ(Head().Right, before.Right);
    // The command says so too: the label is not marked modified.
    EXPECT_FALSE(RunObjectCommand(&label_, {OBJ_SIZE_TO_BODY, 0}, Kestrin()));
    EXPECT_EQ(std::memcmp(&before, &Head(), sizeof before), 0);
    ASSERT_EQ(recorder.reports().size(), 2u);
    EXPECT_EQ(recorder.reports()[0].text, "GetTextRect - !(1<=Position<=2)");
}

TEST_F(ObjectsTest, MakeBackgroundPutsAPictureBelowTheLabelOverTheWholePage) {
    AddPicture(40, 30, 2);
    ASSERT_TRUE(RunObjectCommand(&label_, {OBJ_MAKE_BACKGROUND, 0}, Kestrin()));
    EXPECT_EQ(Head().Layer, LAYER_BELOW);
    EXPECT_EQ(Head().Left, 0);
    EXPECT_EQ(Head().Top, 0);
    EXPECT_EQ(Head().Right, 494);
    EXPECT_EQ(Head().Bottom, -481);
}

TEST_F(ObjectsTest, CentringUsesTheCurrentPagesSpines) {
    AddPicture(100, 50, 1);
    PlacementContext tray = {&kDovantelProfile, KIND_COVERS, 1};
    CenterHorizontally(&Head(), tray);
    EXPECT_LE(std::abs(Head().Left + Head().Right - (25 + 566)), 1);  // between the two spines
    CenterHorizontally(&Head(), Kestrin(2));
    EXPECT_EQ(Head().Left, 247 - 50);
    PlacementContext floppy = {&kWimbrookProfile, KIND_SHEET, 1};
    CenterHorizontally(&Head(), floppy);
    EXPECT_LE(std::abs(Head().Left + Head().Right - 275), 1);
    CenterVertically(&Head(), floppy);
    EXPECT_EQ(Head().Top - Head().Bottom, 50);
    EXPECT_LE(std::abs(Head().Top + Head().Bottom + 275), 1);
}

TEST_F(ObjectsTest, CommandsWithoutAFittingSelectionDoNothing) {
    EXPECT_FALSE(RunObjectCommand(&label_, {OBJ_LAYER, LAYER_BELOW}, Kestrin()));
    ASSERT_NE(InsertNewString(&label_, Kestrin()), nullptr);
    ObjectRecord before = Head();
    EXPECT_FALSE(RunObjectCommand(&label_, {OBJ_SCALE, 200}, Kestrin()));
    EXPECT_FALSE(RunObjectCommand(&label_, {OBJ_SIZE_TO_LABEL, 0}, Kestrin()));
    EXPECT_EQ(std::memcmp(&before, &Head(), sizeof before), 0);
    EXPECT_TRUE(RunObjectCommand(&label_, {OBJ_LAYER, LAYER_BELOW}, Kestrin()));
    EXPECT_EQ(Head().Layer, LAYER_BELOW);
    EXPECT_TRUE(RunObjectCommand(&label_, {OBJ_HALIGN, 2}, Kestrin()));
    EXPECT_TRUE(RunObjectCommand(&label_, {OBJ_VALIGN, 2}, Kestrin()));
    EXPECT_TRUE(RunObjectCommand(&label_, {OBJ_TRANSPARENT, 0}, Kestrin()));
    EXPECT_EQ(Head().HAlign, 2);
    EXPECT_EQ(Head().VAlign, 2);
    EXPECT_EQ(Head().Filled, 0);
    // A string made background only changes its layer.
    Head().Layer = LAYER_ON;
    ObjectRecord string = Head();
    EXPECT_TRUE(RunObjectCommand(&label_, {OBJ_MAKE_BACKGROUND, 0}, Kestrin()));
    EXPECT_EQ(Head().Layer, LAYER_BELOW);
    EXPECT_EQ(Head().Right, string.Right);
}

TEST_F(ObjectsTest, PictureThatDoesNotLoadIsReportedAndChangesNothing) {
    ReportRecorder recorder;
    ASSERT_NE(InsertNewString(&label_, Kestrin()), nullptr);
    char folder[kImagePathSize] = "C:\\before\\";
    EXPECT_FALSE(InsertPictureFile(&label_, "C:\\pictures\\missing\\nothing.bmp", Kestrin(), folder));
    EXPECT_EQ(label_.NumObjects, 1);
    ASSERT_EQ(recorder.reports().size(), 1u);
    EXPECT_EQ(recorder.reports()[0].title, "Image Load Failure...");
    EXPECT_EQ(recorder.reports()[0].text, "Couldn't load the image.\nFile may be corrupted, or extension incorrect.");
    // The folder is remembered all the same.
    EXPECT_STREQ(folder, "C:\\pictures\\missing\\");
    RememberImageFolder("picture.bmp", folder);
    EXPECT_STREQ(folder, "");
}

}  // namespace
