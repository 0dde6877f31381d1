// MyDrawText, MeasureText and LabelFont on real GDI devices: where the ink
// of the drawn text lands.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "render/label_font.h"
#include "render/win32/mapping_win32.h"
#include "render/win32/text_output_win32.h"
#include "shell/view_state.h"
#include "tests/core/report_recorder.h"
#include "tests/win32/canvas.h"

namespace {

class TextOnCanvas : public testing::Test {
protected:
    void SetUp() override { canvas_ = MakeCanvas(600, 600); }
    void TearDown() override {
        UseFont(nullptr, 0);
        FreeCanvas(&canvas_);
    }
    void UseFont(HFONT font, int rotation) {
        if (font_) {
            SelectObject(canvas_.dc, old_);
            DeleteObject(font_);
        }
        font_ = font;
        rotation_ = rotation;
        if (font_) old_ = SelectObject(canvas_.dc, font_);
    }
    Ink Draw(const char* text, const LabelRect& rect, int align, int rotation) {
        ClearCanvas(&canvas_);
        UseFont(RotatedArial(40, rotation), rotation);
        SetTextColor(canvas_.dc, RGB(0, 0, 0));
        MyDrawText(canvas_.dc, text, -1, rect, align, rotation);
        return FindInk(canvas_);
    }
    int LineHeight() {
        TextExtent size;
        EXPECT_TRUE(MeasureText(canvas_.dc, "W", -1, rotation_, &size));
        return size.cy;
    }
    Canvas canvas_;
    HFONT font_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int rotation_ = 0;
};

TEST_F(TextOnCanvas, UprightTextSitsWhereItIsAligned) {
    const LabelRect r = {100, -100, 500, -400};
    Ink left = Draw("Label", r, TEXT_LEFT_TOP, 0);
    ASSERT_TRUE(left.any);
    EXPECT_NEAR(left.left, 100, 5);
    EXPECT_LE(left.top, -100);
    EXPECT_GE(left.top, -115);
    Ink right = Draw("Label", r, TEXT_RIGHT | TEXT_BOTTOM, 0);
    EXPECT_NEAR(right.right, 500, 5);
    EXPECT_GE(right.bottom, -400);
    EXPECT_LE(right.bottom, -385);
    Ink centre = Draw("Label", r, TEXT_HCENTER | TEXT_VCENTER, 0);
    EXPECT_NEAR(centre.midX(), 300, 4);
    EXPECT_NEAR(centre.midY(), -250, 8);
}

TEST_F(TextOnCanvas, RotationNinetyCentredRunsDownwardFromItsMiddle) {
    const LabelRect r = {200, -50, 300, -550};
    // Only the first character has ink, so the ink shows where the text starts.
    Ink whole = Draw("WWWWWWWW", r, TEXT_HCENTER | TEXT_VCENTER, 90);
    ASSERT_TRUE(whole.any);
    EXPECT_GT(whole.height(), 3 * whole.width());  // runs along y
    EXPECT_NEAR(whole.midY(), -300, 5);
    EXPECT_NEAR(whole.midX(), 250, 8);
    Ink start = Draw("W       ", r, TEXT_HCENTER | TEXT_VCENTER, 90);
    ASSERT_TRUE(start.any);
    EXPECT_GT(start.bottom, -300);  // the start lies above the middle: it reads downward
    TextExtent size;
    ASSERT_TRUE(MeasureText(canvas_.dc, "W       ", -1, 90, &size));
    EXPECT_NEAR(start.top, -300 + size.cx / 2, 3);
    Ink up = Draw("W       ", r, TEXT_HCENTER | TEXT_VCENTER, 270);
    EXPECT_LT(up.top, -300);  // at 270 it reads upward
    Ink back = Draw("W       ", {50, -200, 550, -300}, TEXT_HCENTER | TEXT_VCENTER, 180);
    EXPECT_GT(back.left, 300);  // at 180 it reads right to left
}

TEST_F(TextOnCanvas, SecondLineFollowsALineHeightBelowOrToTheLeft) {
    const LabelRect r = {100, -100, 500, -500};
    Ink first = Draw("WW\r\n  ", r, TEXT_LEFT_TOP, 0);
    int lh = LineHeight();
    Ink second = Draw("  \r\nWW", r, TEXT_LEFT_TOP, 0);
    ASSERT_TRUE(first.any && second.any);
    EXPECT_EQ(first.top - second.top, lh);
    EXPECT_EQ(second.left, first.left);
    Ink both = Draw("WW\r\nWW", r, TEXT_LEFT_TOP, 0);
    EXPECT_EQ(both.top, first.top);
    EXPECT_EQ(both.bottom, second.bottom);

    first = Draw("WW\r\n  ", r, TEXT_LEFT_TOP, 90);
    lh = LineHeight();
    second = Draw("  \r\nWW", r, TEXT_LEFT_TOP, 90);
    ASSERT_TRUE(first.any && second.any);
    EXPECT_EQ(first.right - second.right, lh);  // the second line lies to the left
    EXPECT_EQ(second.top, first.top);
}

TEST_F(TextOnCanvas, TrailingLineBreakLeavesRoomForAnEmptyLine) {
    const LabelRect r = {100, -100, 500, -500};
    Ink one = Draw("WW", r, TEXT_VCENTER, 0);
    int lh = LineHeight();
    Ink trailing = Draw("WW\r\n", r, TEXT_VCENTER, 0);
    ASSERT_TRUE(one.any && trailing.any);
    EXPECT_NEAR(trailing.top - one.top, lh / 2, 1);
    EXPECT_EQ(trailing.height(), one.height());  // nothing drawn for the empty line
}

TEST_F(TextOnCanvas, TextIsCutTwoUnitsBeyondTheRectangle) {
    const LabelRect r = {100, -100, 160, -300};
    Ink ink = Draw("A long line of text", r, TEXT_LEFT_TOP, 0);
    ASSERT_TRUE(ink.any);
    EXPECT_LE(ink.right, 162);
    EXPECT_GE(ink.right, 155);
}

TEST_F(TextOnCanvas, RotatedExtentsComeBackAlongTheBaseline) {
    UseFont(RotatedArial(40, 90), 90);
    TextExtent rotated, upright;
    ASSERT_TRUE(MeasureText(canvas_.dc, "Wide text", -1, 90, &rotated));
    UseFont(RotatedArial(40, 0), 0);
    ASSERT_TRUE(MeasureText(canvas_.dc, "Wide text", -1, 0, &upright));
    EXPECT_GT(rotated.cx, rotated.cy);
    EXPECT_NEAR(rotated.cx, upright.cx, 2);
}

TEST(TextOutput, FailuresAreReportedAndDrawingGoesOn) {
    ReportRecorder recorder;
    TextExtent size;
    EXPECT_FALSE(MeasureText(nullptr, "abc", -1, 0, &size));
    ASSERT_EQ(recorder.reports().size(), 1u);
    EXPECT_EQ(recorder.reports()[0].text, "MyDrawText - GetTextExtentPoint failed!");
    recorder.clear();
    MyDrawText(nullptr, "one\r\ntwo", -1, {0, 0, 100, -100}, 0, 0);
    int textOut = 0;
    for (const RecordedReport& r : recorder.reports()) {
        EXPECT_EQ(r.title, "BAD STUFF");
        if (r.text == "MyDrawText - TextOut failure") ++textOut;
    }
    EXPECT_EQ(textOut, 2);  // each line fails on its own
}

// The logical font LabelFont makes for a size at a window scale, on a
// context set to the label mapping at that scale.
FontDesc LabelFontAt(HDC dc, double scale, int size, int width, TEXTMETRICA* metrics) {
    int state = SaveDC(dc);
    SetLabelMapping(dc, scale);
    FontDesc desc;
    HFONT font = LabelFont(dc, scale, "Arial", size, width, 0, true, 0, &desc);
    EXPECT_NE(font, nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsA(dc, metrics);
    SelectObject(dc, old);
    DeleteObject(font);
    RestoreDC(dc, state);
    return desc;
}

TEST(LabelFont, SameSizeOnTheLabelAtHalfAndOneAndAHalfScale) {
    HDC dc = CreateCompatibleDC(nullptr);
    TEXTMETRICA half, large, full;
    FontDesc a = LabelFontAt(dc, 0.5, 80, 0, &half);
    FontDesc b = LabelFontAt(dc, 1.5, 80, 0, &large);
    FontDesc c = LabelFontAt(dc, 1.0, 80, 0, &full);
    EXPECT_EQ(a.lfHeight, -11);  // 8 pt is 11 hundredths of an inch
    EXPECT_EQ(b.lfHeight, a.lfHeight);
    EXPECT_EQ(c.lfHeight, a.lfHeight);
    EXPECT_NEAR(half.tmHeight, large.tmHeight, 1);
    EXPECT_STREQ(a.lfFaceName, "Arial");
    EXPECT_EQ(a.lfClipPrecision, CLIP_LH_ANGLES);
    FontDesc big = LabelFontAt(dc, 1.0, 140, 0, &full);
    EXPECT_EQ(big.lfHeight, -19);
    DeleteDC(dc);
}

TEST(LabelFont, AGivenWidthKeepsItsAspect) {
    HDC dc = CreateCompatibleDC(nullptr);
    TEXTMETRICA normal, wide;
    FontDesc n = LabelFontAt(dc, 1.0, 400, 400, &normal);
    FontDesc w = LabelFontAt(dc, 1.0, 400, 800, &wide);
    EXPECT_GT(n.lfWidth, 0);
    EXPECT_NEAR(w.lfWidth, 2 * n.lfWidth, 1);
    EXPECT_NEAR(wide.tmAveCharWidth, 2 * normal.tmAveCharWidth, 2);
    DeleteDC(dc);
}

TEST(LabelFont, SameSizeOnPaperAsOnScreen) {
    char device[256];
    GetProfileStringA("windows", "device", ",,,", device, sizeof device);
    char* comma = std::strchr(device, ',');
    if (!comma || comma == device) GTEST_SKIP() << "no printer installed";
    *comma = 0;
    HDC printer = CreateDCA(nullptr, device, nullptr, nullptr);
    ASSERT_NE(printer, nullptr);
    HDC screen = CreateCompatibleDC(nullptr);
    TEXTMETRICA onPaper, onScreen;
    FontDesc p = LabelFontAt(printer, 1.0, 100, 0, &onPaper);
    FontDesc s = LabelFontAt(screen, 1.0, 100, 0, &onScreen);
    EXPECT_EQ(p.lfHeight, s.lfHeight);
    EXPECT_NEAR(onPaper.tmHeight, onScreen.tmHeight, 1);
    DeleteDC(screen);
    DeleteDC(printer);
}

}  // namespace
