// Line splitting, line placement for every rotation and alignment, the
// measuring probe and MyDrawText over a recording device.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/look.h"
#include "record/zipinfo.h"
#include "render/label_font.h"
#include "render/page_rects.h"
#include "render/text_layout.h"
#include "tests/core/report_recorder.h"

namespace {

std::vector<std::string> Lines(const char* text) {
    std::vector<std::string> lines;
    int pos = 0;
    TextLine line;
    while (NextTextLine(text, -1, &pos, &line)) lines.emplace_back(text + line.start, line.length);
    return lines;
}

TEST(TextLines, SplitAtLineFeedsDroppingTheCarriageReturnBeforeThem) {
    EXPECT_EQ(Lines("one\r\ntwo"), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(Lines("one"), (std::vector<std::string>{"one"}));
    EXPECT_EQ(Lines(""), (std::vector<std::string>{""}));
    EXPECT_EQ(Lines("a\r\n"), (std::vector<std::string>{"a", ""}));  // trailing break: empty last line
    EXPECT_EQ(Lines("a\nb"), (std::vector<std::string>{"a", "b"}));  // bare line feed keeps every character
    EXPECT_EQ(Lines("\nb"), (std::vector<std::string>{"", "b"}));    // line feed at the very start
    EXPECT_EQ(Lines("\r\n\r\n"), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(Lines("x\ry"), (std::vector<std::string>{"x\ry"}));    // a lone return is text
    for (const char* t : {"one\r\ntwo", "a\r\n", "\nb", "\r\n\r\n", ""})
        EXPECT_EQ(CountTextLines(t, -1), static_cast<int>(Lines(t).size())) << t;
    // A length shorter than the text ends it there.
    int pos = 0;
    TextLine line;
    ASSERT_TRUE(NextTextLine("ab\r\ncd", 3, &pos, &line));
    EXPECT_EQ(line.length, 3);
    EXPECT_FALSE(NextTextLine("ab\r\ncd", 3, &pos, &line));
}

// The block of text a reference point starts, in page terms: its
// bounding box for the rotation.
LabelRect BlockBox(LabelPoint at, int rotation, int cx, int th) {
    switch (rotation) {
    case 90:  // runs down, tops face right: extends left and down
        return {at.x - th, at.y, at.x, at.y - cx};
    case 180:  // runs left, upside down: extends left and up
        return {at.x - cx, at.y + th, at.x, at.y};
    case 270:  // runs up, tops face left: extends right and up
        return {at.x, at.y + cx, at.x + th, at.y};
    default:
        return {at.x, at.y, at.x + cx, at.y - th};
    }
}

TEST(TextPlacement, EveryRotationAndAlignmentPutsTheBlockWhereAsked) {
    const LabelRect r = {100, -100, 400, -300};  // 300 wide, 200 high
    const int cx = 60, th = 30;
    for (int rotation : {0, 90, 180, 270}) {
        for (int h : {0, int(TEXT_HCENTER), int(TEXT_RIGHT)}) {
            for (int v : {0, int(TEXT_VCENTER), int(TEXT_BOTTOM)}) {
                SCOPED_TRACE("rotation " + std::to_string(rotation) + " align " + std::to_string(h | v));
                LabelPoint at = LineReference(r, h | v, rotation, cx, th, 0, th);
                LabelRect box = BlockBox(at, rotation, cx, th);
                EXPECT_GE(box.left, r.left);
                EXPECT_LE(box.right, r.right);
                EXPECT_LE(box.top, r.top);
                EXPECT_GE(box.bottom, r.bottom);
                // Along the text: the start, middle or end of the text's own
                // direction; across it: its top side, middle or bottom side.
                int alongStart, alongEnd, alongLo, alongHi, acrossTop, acrossBottom, acrossLo, acrossHi;
                switch (rotation) {
                case 90:
                    alongStart = r.top - box.top, alongEnd = box.bottom - r.bottom;
                    alongLo = box.bottom, alongHi = box.top;
                    acrossTop = r.right - box.right, acrossBottom = box.left - r.left;
                    acrossLo = box.left, acrossHi = box.right;
                    break;
                case 180:
                    alongStart = r.right - box.right, alongEnd = box.left - r.left;
                    alongLo = box.left, alongHi = box.right;
                    acrossTop = box.bottom - r.bottom, acrossBottom = r.top - box.top;
                    acrossLo = box.bottom, acrossHi = box.top;
                    break;
                case 270:
                    alongStart = box.bottom - r.bottom, alongEnd = r.top - box.top;
                    alongLo = box.bottom, alongHi = box.top;
                    acrossTop = box.left - r.left, acrossBottom = r.right - box.right;
                    acrossLo = box.left, acrossHi = box.right;
                    break;
                default:
                    alongStart = box.left - r.left, alongEnd = r.right - box.right;
                    alongLo = box.left, alongHi = box.right;
                    acrossTop = r.top - box.top, acrossBottom = box.bottom - r.bottom;
                    acrossLo = box.bottom, acrossHi = box.top;
                    break;
                }
                bool horizontal = rotation == 0 || rotation == 180;
                int rectAlongMid2 = horizontal ? r.left + r.right : r.top + r.bottom;
                int rectAcrossMid2 = horizontal ? r.top + r.bottom : r.left + r.right;
                if (h == 0) {
                    EXPECT_EQ(alongStart, 0);
                }
                if (h == TEXT_RIGHT) {
                    EXPECT_EQ(alongEnd, 0);
                }
                if (h == TEXT_HCENTER) {
                    EXPECT_LE(std::abs(alongLo + alongHi - rectAlongMid2), 1);
                }
                if (v == 0) {
                    EXPECT_EQ(acrossTop, 0);
                }
                if (v == TEXT_BOTTOM) {
                    EXPECT_EQ(acrossBottom, 0);
                }
                if (v == TEXT_VCENTER) {
                    EXPECT_LE(std::abs(acrossLo + acrossHi - rectAcrossMid2), 1);
                }
            }
        }
    }
}

TEST(TextPlacement, CentreWinsOverRightAndOverBottom) {
    const LabelRect r = {0, 0, 200, -100};
    LabelPoint both = LineReference(r, TEXT_HCENTER | TEXT_RIGHT | TEXT_VCENTER | TEXT_BOTTOM, 0, 40, 20, 0, 20);
    LabelPoint centre = LineReference(r, TEXT_HCENTER | TEXT_VCENTER, 0, 40, 20, 0, 20);
    EXPECT_EQ(both.x, centre.x);
    EXPECT_EQ(both.y, centre.y);
    EXPECT_EQ(centre.x, 80);
    EXPECT_EQ(centre.y, -40);
}

TEST(TextPlacement, RotationNinetyCentredRunsDownFromAboveTheMiddle) {
    const LabelRect r = {0, 0, 100, -400};
    LabelPoint at = LineReference(r, TEXT_HCENTER | TEXT_VCENTER, 90, 120, 20, 0, 20);
    EXPECT_EQ(at.y, -200 + 60);  // half the text above the middle, running down
    EXPECT_EQ(at.x, 60);         // glyph tops face right: the block's right side
    // Further lines move toward the bottom of the text: left at 90 degrees.
    EXPECT_EQ(LineReference(r, 0, 90, 120, 40, 1, 20).x, LineReference(r, 0, 90, 120, 40, 0, 20).x - 20);
    EXPECT_EQ(LineReference(r, 0, 0, 120, 40, 1, 20).y, LineReference(r, 0, 0, 120, 40, 0, 20).y - 20);
    EXPECT_EQ(LineReference(r, 0, 180, 120, 40, 1, 20).y, LineReference(r, 0, 180, 120, 40, 0, 20).y + 20);
    EXPECT_EQ(LineReference(r, 0, 270, 120, 40, 1, 20).x, LineReference(r, 0, 270, 120, 40, 0, 20).x + 20);
    EXPECT_EQ(TextClipRect(r), (LabelRect{-2, 2, 102, -402}));
}

// A device whose glyphs are 10 units wide and 20 high, drawing into a list.
struct FakeDevice {
    bool transposes = false;  // reports rotated extents already transposed
    bool rotated = false;
    bool newCallWorks = true;
    bool oldCallWorks = true;
    int failOutputOfLine = -1;
    int newCalls = 0, oldCalls = 0;
    struct Drawn {
        std::string text;
        LabelPoint at;
        LabelRect clip;
    };
    std::vector<Drawn> drawn;

    static bool Measure(FakeDevice* d, const char* text, int length, TextExtent* out) {
        (void)text;
        *out = {10 * length, length > 0 ? 20 : 0};
        if (d->transposes && d->rotated) std::swap(out->cx, out->cy);
        return true;
    }
    static bool Extent(void* c, const char* text, int length, TextExtent* out) {
        auto* d = static_cast<FakeDevice*>(c);
        ++d->newCalls;
        return d->newCallWorks && Measure(d, text, length, out);
    }
    static bool Older(void* c, const char* text, int length, TextExtent* out) {
        auto* d = static_cast<FakeDevice*>(c);
        ++d->oldCalls;
        return d->oldCallWorks && Measure(d, text, length, out);
    }
    static bool Output(void* c, int32_t x, int32_t y, const LabelRect& clip, const char* text, int length) {
        auto* d = static_cast<FakeDevice*>(c);
        d->drawn.push_back({std::string(text, length), {x, y}, clip});
        return static_cast<int>(d->drawn.size()) - 1 != d->failOutputOfLine;
    }
    TextDevice device() { return {this, Extent, Older, Output}; }
};

TEST(MeasureText, ProbeExchangesExtentsOfDriversThatTransposeRotatedText) {
    FakeDevice fake;
    fake.transposes = true;
    fake.rotated = true;
    TextExtent size;
    ASSERT_TRUE(MeasureTextOn(fake.device(), "Hello", -1, 90, &size));
    EXPECT_EQ(size.cx, 50);
    EXPECT_EQ(size.cy, 20);
    ASSERT_TRUE(MeasureTextOn(fake.device(), "Hello", 5, 270, &size));
    EXPECT_EQ(size.cx, 50);
    // An honest driver's extents stay as reported.
    fake.transposes = false;
    ASSERT_TRUE(MeasureTextOn(fake.device(), "Hello", 5, 90, &size));
    EXPECT_EQ(size.cx, 50);
    // Without rotation no probe is made: a transposing driver's answer is
    // taken as it is (it only transposes rotated text).
    fake.newCalls = 0;
    ASSERT_TRUE(MeasureTextOn(fake.device(), "Hello", 5, 0, &size));
    EXPECT_EQ(fake.newCalls, 1);
    ASSERT_TRUE(MeasureTextOn(fake.device(), "Hello", 5, 180, &size));
    EXPECT_EQ(fake.newCalls, 2);
}

TEST(MeasureText, FallsBackToTheOlderCallAndReportsWhenBothFail) {
    ReportRecorder recorder;
    FakeDevice fake;
    fake.newCallWorks = false;
    TextExtent size = {0, 0};
    ASSERT_TRUE(MeasureTextOn(fake.device(), "abc", 3, 0, &size));
    EXPECT_EQ(size.cx, 30);
    EXPECT_EQ(fake.oldCalls, 1);
    EXPECT_TRUE(recorder.reports().empty());
    fake.oldCallWorks = false;
    EXPECT_FALSE(MeasureTextOn(fake.device(), "abc", 3, 0, &size));
    ASSERT_EQ(recorder.reports().size(), 1u);
    EXPECT_EQ(recorder.reports()[0].title, "BAD STUFF");
    EXPECT_EQ(recorder.reports()[0].text, "MyDrawText - GetTextExtentPoint failed!");
}

TEST(DrawText, TwoLinesAtZeroAndNinetyDegrees) {
    const LabelRect r = {0, 0, 300, -200};
    FakeDevice fake;
    DrawTextOn(fake.device(), "abc\r\nde", -1, r, TEXT_LEFT_TOP, 0);
    ASSERT_EQ(fake.drawn.size(), 2u);
    EXPECT_EQ(fake.drawn[0].text, "abc");
    EXPECT_EQ(fake.drawn[1].text, "de");
    EXPECT_EQ(fake.drawn[1].at.x, fake.drawn[0].at.x);
    EXPECT_EQ(fake.drawn[1].at.y, fake.drawn[0].at.y - 20);
    EXPECT_EQ(fake.drawn[0].clip, TextClipRect(r));

    fake.drawn.clear();
    DrawTextOn(fake.device(), "abc\r\nde", -1, r, TEXT_HCENTER, 90);
    ASSERT_EQ(fake.drawn.size(), 2u);
    EXPECT_EQ(fake.drawn[1].at.x, fake.drawn[0].at.x - 20);
    // Each line is centred on its own length.
    EXPECT_EQ(fake.drawn[0].at.y, -100 + 15);
    EXPECT_EQ(fake.drawn[1].at.y, -100 + 10);
}

TEST(DrawText, TrailingBreakCountsInTheBlockButDrawsNothing) {
    const LabelRect r = {0, 0, 300, -200};
    FakeDevice fake;
    DrawTextOn(fake.device(), "abc", -1, r, TEXT_VCENTER, 0);
    ASSERT_EQ(fake.drawn.size(), 1u);
    int single = fake.drawn[0].at.y;
    fake.drawn.clear();
    DrawTextOn(fake.device(), "abc\r\n", -1, r, TEXT_VCENTER, 0);
    ASSERT_EQ(fake.drawn.size(), 1u);
    EXPECT_EQ(fake.drawn[0].at.y, single + 10);  // room left for the empty line
    // An empty first line still spaces the following one a line down.
    fake.drawn.clear();
    DrawTextOn(fake.device(), "\nabc", -1, r, TEXT_LEFT_TOP, 0);
    ASSERT_EQ(fake.drawn.size(), 1u);
    EXPECT_EQ(fake.drawn[0].text, "abc");
    EXPECT_EQ(fake.drawn[0].at.y, -20);
}

TEST(DrawText, AFailingLineIsReportedAndTheOthersStillDrawn) {
    ReportRecorder recorder;
    FakeDevice fake;
    fake.failOutputOfLine = 0;
    DrawTextOn(fake.device(), "one\r\ntwo\r\nthree", -1, {0, 0, 300, -200}, 0, 0);
    EXPECT_EQ(fake.drawn.size(), 3u);
    ASSERT_EQ(recorder.reports().size(), 1u);
    EXPECT_EQ(recorder.reports()[0].text, "MyDrawText - TextOut failure");
}

TEST(DrawText, TransposingDriverStillCentresRotatedText) {
    const LabelRect r = {0, 0, 100, -400};
    FakeDevice honest, buggy;
    buggy.transposes = buggy.rotated = true;
    DrawTextOn(honest.device(), "abcdefghij", -1, r, TEXT_HCENTER | TEXT_VCENTER, 90);
    DrawTextOn(buggy.device(), "abcdefghij", -1, r, TEXT_HCENTER | TEXT_VCENTER, 90);
    ASSERT_EQ(buggy.drawn.size(), 1u);
    EXPECT_EQ(buggy.drawn[0].at.x, honest.drawn[0].at.x);
    EXPECT_EQ(buggy.drawn[0].at.y, honest.drawn[0].at.y);
}

TEST(LabelFontArithmetic, SizesHeightsAndWidths) {
    // 8 pt on a 96 dpi display: 106 tenths of a pixel.
    EXPECT_EQ(FontSizeToDevice(96, ScaledFontSize(80, 1.0)), 106);
    EXPECT_EQ(ScaledFontSize(80, 0.5), 40);
    EXPECT_EQ(ScaledFontSize(80, 1.25), 100);
    EXPECT_EQ(FontHeightFromLogical(110), -11);
    EXPECT_EQ(FontHeightFromLogical(-115), -12);
    EXPECT_EQ(FontHeightFromLogical(0), 0);
    EXPECT_EQ(CorrectedFontWidth(110, 6, 110), 6);
    EXPECT_EQ(CorrectedFontWidth(55, 6, -110), 3);
    EXPECT_EQ(CorrectedFontWidth(55, 6, 0), 0);  // no height: nothing to keep
    EXPECT_EQ(PhysicalPixelsPerInch(2480, 210), 299);
    EXPECT_EQ(PhysicalPixelsPerInch(2480, 0), 0);
    FontDesc bold = LabelFontDesc("Arial", -11, 0, FONT_BOLD | FONT_ITALIC, 900);
    EXPECT_EQ(bold.lfWeight, 700);
    EXPECT_EQ(bold.lfItalic, 1);
    EXPECT_EQ(bold.lfUnderline, 0);
    EXPECT_EQ(bold.lfEscapement, 900);
    EXPECT_EQ(bold.lfOrientation, 900);
    EXPECT_EQ(bold.lfClipPrecision, 16);
    EXPECT_STREQ(bold.lfFaceName, "Arial");
    EXPECT_EQ(LabelFontDesc("Arial", -11, 0, 0, 0).lfWeight, 0);
    // The default fonts' style bits are the renderer's.
    EXPECT_EQ(DefaultLabelFont(FONT_SPINE, kKestrinProfile).tenthsOfPoint, 140);
    EXPECT_EQ(DefaultLabelFont(FONT_SPINE, kWimbrookProfile).tenthsOfPoint, 80);
    EXPECT_EQ(DefaultLabelFont(FONT_SPINE, kWimbrookProfile).styleBits, FONT_BOLD);
    EXPECT_EQ(DefaultLabelFont(FONT_FOLDERS, kKestrinProfile).styleBits, FONT_BOLD);
}

TEST(BookletPageNumber, OnPagesThreeAndUpAtTheFootOfThePage) {
    ZIPINFO label = {};
    label.LabelOriginX = 27;
    label.LabelOriginY = -40;
    label.PageWidth = 494;
    label.PageHeight = -481;
    char text[16];
    LabelRect r;
    int size;
    EXPECT_FALSE(BookletPageNumber(label, 2, 1, text, sizeof text, &r, &size));
    ASSERT_TRUE(BookletPageNumber(label, 4, 1, text, sizeof text, &r, &size));
    EXPECT_STREQ(text, "3 ");
    EXPECT_EQ(size, 80);
    EXPECT_EQ(r, (LabelRect{27, -40, 27 + 494, -40 - 481 + 1}));
    ASSERT_TRUE(BookletPageNumber(label, 3, 0, text, sizeof text, &r, &size));
    EXPECT_STREQ(text, "2 ");
    EXPECT_EQ(size, 40);
    EXPECT_EQ(r, (LabelRect{27, -40, 27 + 247, -40 - 240 + 1}));
}

}  // namespace
