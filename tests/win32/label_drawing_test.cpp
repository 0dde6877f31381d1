// Page backgrounds, the booklet page number, default fonts and the main
// fonts' line heights on real GDI devices.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "catalog/labels.h"
#include "base/text_field.h"
#include "editions/edition.h"
#include "render/label_geometry.h"
#include "render/page_origin.h"
#include "render/win32/font_heights_win32.h"
#include "render/win32/page_background_win32.h"
#include "render/win32/page_number_win32.h"
#include "render/win32/text_output_win32.h"
#include "document/program_settings.h"
#include "tests/core/report_recorder.h"
#include "tests/win32/canvas.h"

namespace {

constexpr COLORREF kBody = RGB(255, 0, 0);
constexpr COLORREF kSpine = RGB(0, 0, 255);

class LabelOnCanvas : public testing::Test {
protected:
    void SetUp() override {
        canvas_ = MakeCanvas(700, 600);
        std::memset(&label_, 0, sizeof label_);
        label_.BkgndColor = kBody;
        label_.SpineBkgndColor = kSpine;
    }
    void TearDown() override { FreeCanvas(&canvas_); }
    Canvas canvas_;
    ZIPINFO label_;
};

TEST_F(LabelOnCanvas, BackgroundFillsThePageAndItsSpine) {
    // Kestrin's front cover at (10, -20).
    PageOriginFor(&label_, kKestrinProfile, KIND_COVERS, 1, 1, 10 - 0, -20 - 2);
    ASSERT_EQ(label_.LabelOriginX, 10);
    ASSERT_EQ(label_.LabelOriginY, -20);
    PaintPageBackground(canvas_.dc, kKestrinProfile, label_, 1, 1.0, true);
    Ink ink = FindInk(canvas_);
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.top, -20);
    EXPECT_EQ(ink.right, 10 + 569);
    EXPECT_EQ(ink.bottom, -20 - 481);
    EXPECT_EQ(PixelAt(canvas_, 10 + 74, -21), kSpine);  // the 0.75 in spine
    EXPECT_EQ(PixelAt(canvas_, 10 + 76, -21), kBody);
    EXPECT_EQ(PixelAt(canvas_, 10 + 74, -500), kSpine);
    // Without the spine, and at half scale.
    ClearCanvas(&canvas_);
    PaintPageBackground(canvas_.dc, kKestrinProfile, label_, 1, 0.5, false);
    ink = FindInk(canvas_);
    EXPECT_EQ(ink.right, 10 + 284);
    EXPECT_EQ(ink.bottom, -20 - 240);
    EXPECT_EQ(PixelAt(canvas_, 12, -22), kBody);
    EXPECT_EQ(GetMapMode(canvas_.dc), MM_ANISOTROPIC);
}

TEST_F(LabelOnCanvas, BrushesThatCannotBeMadeAreReportedAndLeaveTheAreaUnfilled) {
    PageOriginFor(&label_, kKestrinProfile, KIND_COVERS, 1, 1, 10, -22);
    // Take every GDI handle there is, so that no brush can be made.
    std::vector<HBRUSH> taken;
    for (int i = 0; i < 200000; ++i) {
        HBRUSH b = CreateSolidBrush(RGB(i & 0xFF, 1, 2));
        if (!b) break;
        taken.push_back(b);
    }
    ReportRecorder recorder;
    PaintPageBackground(canvas_.dc, kKestrinProfile, label_, 1, 1.0, true);
    for (HBRUSH b : taken) DeleteObject(b);
    ASSERT_EQ(recorder.reports().size(), 2u);
    EXPECT_EQ(recorder.reports()[0].title, "BAD STUFF");
    EXPECT_EQ(recorder.reports()[0].text, "Body Background Brush Failed!");
    EXPECT_EQ(recorder.reports()[1].text, "Spine Background Brush Failed!");
    EXPECT_FALSE(FindInk(canvas_).any);
}

TEST_F(LabelOnCanvas, DovantelTrayCardSpinesAreBothFilled) {
    PageOriginFor(&label_, kDovantelProfile, KIND_COVERS, 1, 1, 20, -20);
    PaintPageBackground(canvas_.dc, kDovantelProfile, label_, 1, 1.0, true);
    EXPECT_EQ(PixelAt(canvas_, 20 + 24, -30), kSpine);
    EXPECT_EQ(PixelAt(canvas_, 20 + 26, -30), kBody);
    EXPECT_EQ(PixelAt(canvas_, 20 + 565, -30), kBody);
    EXPECT_EQ(PixelAt(canvas_, 20 + 567, -30), kSpine);
    EXPECT_EQ(PixelAt(canvas_, 20 + 590, -479), kSpine);
    EXPECT_EQ(FindInk(canvas_).right, 20 + 591);
}

TEST_F(LabelOnCanvas, BookletPageNumberSitsAtTheBottomRight) {
    PageOriginFor(&label_, kKestrinProfile, KIND_BOOKLET, 4, 1, 10, -22);
    DrawBookletPageNumber(canvas_.dc, label_, 2, 1, 1.0);
    EXPECT_FALSE(FindInk(canvas_).any);
    DrawBookletPageNumber(canvas_.dc, label_, 4, 1, 1.0);
    Ink ink = FindInk(canvas_);
    ASSERT_TRUE(ink.any);
    int right = label_.LabelOriginX + label_.PageWidth;
    int bottom = label_.LabelOriginY + label_.PageHeight;
    EXPECT_LE(ink.right, right);
    EXPECT_GT(ink.right, right - 15);  // a blank follows the number
    EXPECT_GE(ink.bottom, bottom);
    EXPECT_LT(ink.bottom, bottom + 6);
    EXPECT_LT(ink.height(), 12);  // 8 pt digits
    EXPECT_GT(ink.height(), 5);
}

class FontHeights : public testing::Test {
protected:
    void SetUp() override {
        saved_ = g_labelRecords[0];
        savedPrinter_ = g_settings.Printer;
        std::memset(&g_labelRecords[0], 0, sizeof g_labelRecords[0]);
    }
    void TearDown() override {
        g_labelRecords[0] = saved_;
        g_settings.Printer = savedPrinter_;
    }
    ZIPINFO saved_;
    PrinterNames savedPrinter_;
};

TEST_F(FontHeights, UnsetFontsGetTheirDefaultsAndSetOnesStay) {
    ZIPINFO& label = g_labelRecords[0];
    label.Font.lfHeight = -1;
    label.CommFont.lfHeight = -1;
    label.SpineFont.lfHeight = -1;
    label.DirFont.lfHeight = -30;
    CopyField(label.DirFont.lfFaceName, "Courier New");
    HDC dc = CreateCompatibleDC(nullptr);
    ApplyDefaultFonts(dc, 1.0, g_labelRecords, g_labelCount);
    DeleteDC(dc);
    EXPECT_EQ(label.Font.lfHeight, -11);
    EXPECT_EQ(label.Font.lfWeight, 0);
    EXPECT_STREQ(label.Font.lfFaceName, "Arial");
    EXPECT_EQ(label.CommFont.lfHeight, -11);
    EXPECT_EQ(label.SpineFont.lfHeight, TheEdition().id == EDITION_WIMBROOK ? -11 : -19);
    EXPECT_EQ(label.DirFont.lfHeight, -30);
    EXPECT_STREQ(label.DirFont.lfFaceName, "Courier New");
    FontDesc bold;
    dc = CreateCompatibleDC(nullptr);
    MakeDefaultFont(dc, 1.0, 80, 1, &bold);
    DeleteDC(dc);
    EXPECT_EQ(bold.lfWeight, 700);
}

TEST_F(FontHeights, MeasuredOnThePrinterAndFallingBackToTheDefaultPrinter) {
    ZIPINFO& label = g_labelRecords[0];
    for (FontDesc* f : {&label.Font, &label.DirFont, &label.CommFont}) {
        f->lfHeight = -11;
        CopyField(f->lfFaceName, "Arial");
    }
    label.DirFont.lfHeight = -22;
    // A printer that no longer exists: the default printer is read again.
    CopyField(g_settings.Printer.name, "Gone Printer");
    CopyField(g_settings.Printer.driver, "nodriver");
    CopyField(g_settings.Printer.port, "nowhere");
    MeasureMainFontHeights(g_labelRecords, g_labelCount, &g_settings.Printer);
    EXPECT_GT(label.FontHeight, 11);
    EXPECT_LT(label.FontHeight, 16);
    EXPECT_EQ(label.CommFontHeight, label.FontHeight);
    EXPECT_GT(label.DirFontHeight, 2 * label.FontHeight - 3);
    EXPECT_STRNE(g_settings.Printer.name, "Gone Printer");
    // The same fonts measure the same on any device: their size is in
    // label units, not in the device's pixels.
    HDC display = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    EXPECT_NEAR(FontLineHeight(display, label.Font), label.FontHeight, 1);
    DeleteDC(display);
}

}  // namespace
