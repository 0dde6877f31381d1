// The rules of the font, colour and string dialogs: style rows through
// Apply and Cancel, chooser heights, colour fields, string texts, captions
// and initials.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <tuple>

#include "base/text_field.h"
#include "document/chooser_values.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "document/settings_store.h"
#include "document/style_rows.h"
#include "document/text_entry.h"
#include "tests/core/memory_profile.h"

namespace {

FontDesc Font(int height, const char* face) {
    FontDesc f = {};
    f.lfHeight = height;
    CopyField(f.lfFaceName, face);
    return f;
}

TEST(StyleRows, ApplyAndCancelCyclesKeepTheSavedLookWhole) {
    ZIPINFO label = {};
    label.Font = Font(-11, "Arial");
    label.FontColor = 0x123456;
    label.SpineFont = Font(-19, "Arial");
    StyleRows rows = StyleRowsOf(label);
    ASSERT_EQ(rows.rows.size(), 4u);
    EXPECT_STREQ(rows.rows[3].ExtName, "Spine");
    SavedLook saved = SaveLook(label);
    for (int cycle = 0; cycle < 3; ++cycle) {
        EXPECT_EQ(AddExtensionRow(&rows, ".txt", label), EXTENSION_ADDED);
        rows.rows.back().ExtColor = MakeColor(230, 230, 230);
        CopyStyleRow(&rows, 0, 3);
        label.LayoutValid = 1;
        ASSERT_TRUE(ApplyStyleRows(rows, &label));  // frees the array an earlier Apply made
        EXPECT_EQ(label.LayoutValid, 0);
        EXPECT_EQ(label.NumExtStyles, cycle + 1);
        EXPECT_STREQ(label.ExtStyles[cycle].ExtName, "TXT");
        EXPECT_EQ(label.Font.lfHeight, -19);
    }
    ASSERT_TRUE(RestoreLook(saved, &label));
    EXPECT_EQ(label.NumExtStyles, 0);
    EXPECT_EQ(label.ExtStyles, nullptr);
    EXPECT_EQ(label.Font.lfHeight, -11);
    EXPECT_EQ(label.FontColor, 0x123456u);
    EXPECT_FALSE(RemoveStyleRow(&rows, 3));
    EXPECT_TRUE(RemoveStyleRow(&rows, 4));
    std::free(label.ExtStyles);
}

TEST(StyleRows, ExtensionNamesBoundsAndRowLooks) {
    ZIPINFO label = {};
    StyleRows rows = StyleRowsOf(label);
    EXPECT_EQ(AddExtensionRow(&rows, ".", label), EXTENSION_EMPTY);
    EXPECT_EQ(AddExtensionRow(&rows, "documents", label), EXTENSION_ADDED);
    EXPECT_STREQ(rows.rows.back().ExtName, "DOCUMEN");
    while (rows.rows.size() < 4 + 254) AddExtensionRow(&rows, "x", label);
    EXPECT_EQ(AddExtensionRow(&rows, "x", label), EXTENSION_LIST_FULL);
    EXPECT_TRUE(RowOnBlack(MakeColor(230, 230, 230)));
    EXPECT_TRUE(RowOnBlack(MakeColor(221, 221, 221)));
    EXPECT_FALSE(RowOnBlack(MakeColor(220, 255, 255)));
    EXPECT_EQ(StyleRowHeight(Font(-11, "")), 15);
    EXPECT_EQ(StyleRowHeight(Font(-1, "")), 20);
    EXPECT_EQ(StyleRowHeight(Font(-1000, "")), 255);
}

TEST(ChooserValues, HeightsGoBothWaysAndStayWithinTheChoosersSizes) {
    EXPECT_EQ(ChooserPixelsFromUnits(-100, 96), -96);  // 72 points
    EXPECT_EQ(UnitsFromChooserPixels(-96, 96), -100);
    for (int pixels = 3; pixels <= 960; ++pixels)
        ASSERT_EQ(ChooserPixelsFromUnits(UnitsFromChooserPixels(-pixels, 96), 96), -pixels) << pixels;
    EXPECT_EQ(UnitsFromChooserPixels(-1, 96), -3) << "never the -1 of a font never stored";
    EXPECT_EQ(UnitsFromChooserPixels(0, 96), -3);
    EXPECT_EQ(UnitsFromChooserPixels(-5000, 96), -1000);
    EXPECT_EQ(UnitsFromChooserPixels(40, 120), 33) << "a cell height stays positive";
    // What a chooser shows for a label font: heights in its own rounding,
    // a weight where the label has none.
    FontDesc opened = Font(-19, "Arial");
    FontDesc shown = FontForChooser(opened, 96);
    shown.lfHeight = -19;
    shown.lfWeight = 400;
    FontDesc untouched = FontFromChooser(shown, shown, opened, 96);
    EXPECT_EQ(std::memcmp(&untouched, &opened, sizeof opened), 0) << "OK untouched keeps the label's font";
    FontDesc chosen = shown;
    chosen.lfHeight = -96;
    chosen.lfWeight = 700;
    CopyField(chosen.lfFaceName, "Liberation Serif");
    FontDesc held = FontFromChooser(chosen, shown, opened, 96);
    EXPECT_EQ(held.lfHeight, -100);
    EXPECT_EQ(held.lfWeight, 700);
    EXPECT_STREQ(held.lfFaceName, "Liberation Serif");
    EXPECT_EQ(held.lfItalic, 0);
}

TEST(ChooserValues, ColourFieldsFrom0To255Only) {
    ColorRef c = 7;
    EXPECT_TRUE(ColorFromFields("255", "0", "16", &c));
    EXPECT_EQ(c, MakeColor(255, 0, 16));
    for (auto bad : {std::make_tuple("256", "0", "0"), std::make_tuple("", "0", "0"), std::make_tuple("1", "-1", "0"),
                     std::make_tuple("1", "1", "x")})
        EXPECT_FALSE(ColorFromFields(std::get<0>(bad), std::get<1>(bad), std::get<2>(bad), &c));
    EXPECT_EQ(c, MakeColor(255, 0, 16));
}

TEST(TextEntry, StringTextTrimsOuterLineBreaksAndNeverEmpties) {
    PlacedObject o = {};
    TakeStringText("\r\n\r\nfirst\r\n\r\nlast\r\n\r\n", &o.rec);
    EXPECT_STREQ(o.rec.Text, "first\r\n\r\nlast");
    TakeStringText("\r\n", &o.rec);
    EXPECT_STREQ(o.rec.Text, " ");
    TakeStringText(std::string(9000, 's'), &o.rec);
    EXPECT_EQ(std::strlen(o.rec.Text), 8191u);
    StringControls c = {2, 0, 2, false};
    TakeStringControls(c, &o.rec);
    EXPECT_EQ(o.rec.Orientation, 180);
    EXPECT_EQ(StringControlsOf(o.rec).vAlign, 2);
}

TEST(TextEntry, CaptionsAndFirstLines) {
    EXPECT_EQ(SpineDialogCaption("%s Label %s", "Wimbrook", 3), "Wimbrook Label 3");
    EXPECT_EQ(SpineDialogCaption("%s Label %s", "Kestrin", 0), "Kestrin Label ");
    EXPECT_EQ(SpineDialogCaption("%d %s %s %s", "K", 1), "%d K 1 %s");
    EXPECT_EQ(FirstLineCut("VOL\r\nrest", 63), "VOL");
    EXPECT_EQ(FirstLineCut(std::string(64, 'v'), 63), std::string(63, 'v'));
}

TEST(TextEntry, InitialsAreKeptAndWrittenAtOnce) {
    MemoryStore store;
    ProgramSettings settings = {};
    CopyField(settings.Number, "650");
    TakeInitials("ABC", nullptr, &settings);
    EXPECT_TRUE(SaveInitials(settings));
    EXPECT_STREQ(settings.Initials, "ABC");
    EXPECT_EQ(store.Get("Initials"), "ABC");
    EXPECT_EQ(store.Get("Number"), settings.Number);
    std::string number = "2,000";
    store.profile().readOnly = true;
    TakeInitials("XY", &number, &settings);
    EXPECT_FALSE(SaveInitials(settings));
    EXPECT_STREQ(settings.Initials, "XY") << "they still apply for this run";
    EXPECT_STREQ(settings.Number, "2,000");
}

}  // namespace
