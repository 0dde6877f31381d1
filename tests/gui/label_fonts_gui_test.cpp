// Start-up gives unset label fonts their defaults and measures the line
// heights the catalog layout uses.
#include <gtest/gtest.h>

#include <windows.h>

#include "catalog/labels.h"
#include "editions/edition.h"
#include "tests/gui/gui_harness.h"

namespace {

TEST(LabelFontsAtStartup, UnsetFontsGetDefaultsAndEveryLabelALineHeight) {
    for (int i = 0; i < kMaxLabels; ++i) {
        ZIPINFO& label = g_labelRecords[i];
        label.Font.lfHeight = label.DirFont.lfHeight = label.CommFont.lfHeight = label.SpineFont.lfHeight = -1;
        label.FontHeight = label.DirFontHeight = label.CommFontHeight = 0;
    }
    ASSERT_NE(StartMainWindowInProcess(), nullptr);
    bool wimbrook = TheEdition().id == EDITION_WIMBROOK;
    int labels = wimbrook ? 9 : 1;
    for (int i = 0; i < labels; ++i) {
        SCOPED_TRACE(i);
        const ZIPINFO& label = g_labelRecords[i];
        EXPECT_EQ(label.Font.lfHeight, -11);
        EXPECT_STREQ(label.Font.lfFaceName, "Arial");
        EXPECT_EQ(label.DirFont.lfHeight, -11);
        EXPECT_EQ(label.DirFont.lfWeight, 700);
        EXPECT_EQ(label.CommFont.lfWeight, 0);
        EXPECT_EQ(label.SpineFont.lfHeight, wimbrook ? -11 : -19);
        EXPECT_EQ(label.SpineFont.lfWeight, wimbrook ? 700 : 0);
        // An 8 pt font's cell is a little over its 11 units.
        EXPECT_GE(label.FontHeight, 12);
        EXPECT_LE(label.FontHeight, 15);
        EXPECT_GE(label.DirFontHeight, 12);
        EXPECT_EQ(label.CommFontHeight, label.FontHeight);
    }
    CloseMainWindowInProcess();
}

}  // namespace
