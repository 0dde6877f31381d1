#include "render/text_layout.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "base/report.h"

namespace {

enum Along { ALONG_START, ALONG_CENTRE, ALONG_END };
enum Across { ACROSS_TOP, ACROSS_CENTRE, ACROSS_BOTTOM };

Along AlongOf(int align) {
    if (align & TEXT_HCENTER) return ALONG_CENTRE;
    if (align & TEXT_RIGHT) return ALONG_END;
    return ALONG_START;
}

Across AcrossOf(int align) {
    if (align & TEXT_VCENTER) return ACROSS_CENTRE;
    if (align & TEXT_BOTTOM) return ACROSS_BOTTOM;
    return ACROSS_TOP;
}

bool Extent(const TextDevice& device, const char* text, int length, TextExtent* out) {
    if (device.extent && device.extent(device.context, text, length, out)) return true;
    return device.olderExtent && device.olderExtent(device.context, text, length, out);
}

// Height of the block's lines. An empty first line measures nothing, so a
// blank stands in for it: its lines must still be a line apart.
int32_t LineHeightOf(const TextDevice& device, const char* text, const TextLine& first, int rotation,
                     TextExtent* firstExtent) {
    TextExtent extent = {0, 0};
    if (!MeasureTextOn(device, text + first.start, first.length, rotation, &extent)) extent = {0, 0};
    *firstExtent = extent;
    if (extent.cy <= 0 && first.length == 0) {
        TextExtent blank = {0, 0};
        if (MeasureTextOn(device, " ", 1, rotation, &blank)) return blank.cy;
    }
    return extent.cy;
}

}  // namespace

int TextLengthOf(const char* text, int length) {
    if (!text) return 0;
    return length < 0 ? static_cast<int>(std::strlen(text)) : length;
}

int CountTextLines(const char* text, int length) {
    int n = TextLengthOf(text, length);
    int lines = 1;
    for (int i = 0; i < n; ++i)
        if (text[i] == '\n') ++lines;
    return lines;
}

bool NextTextLine(const char* text, int length, int* pos, TextLine* line) {
    int n = TextLengthOf(text, length);
    if (*pos > n) return false;
    int start = *pos;
    int end = start;
    while (end < n && text[end] != '\n') ++end;
    line->start = start;
    line->length = end - start;
    if (end < n && end > start && text[end - 1] == '\r') --line->length;
    // Past the last line once no line feed ended this one.
    *pos = end < n ? end + 1 : n + 1;
    return true;
}

int32_t AlongStart(const LabelRect& r, int align, int rotation, int32_t cx) {
    int32_t W = r.right - r.left, H = r.bottom - r.top;
    Along a = AlongOf(align);
    switch (rotation) {
    case 90:
        return a == ALONG_START ? r.top : a == ALONG_CENTRE ? r.bottom - (H - cx) / 2 : r.bottom + cx;
    case 180:
        return a == ALONG_START ? r.right : a == ALONG_CENTRE ? r.right - (W - cx) / 2 : r.left + cx;
    case 270:
        return a == ALONG_START ? r.bottom : a == ALONG_CENTRE ? r.top + (H - cx) / 2 : r.top - cx;
    default:
        return a == ALONG_START ? r.left : a == ALONG_CENTRE ? r.left + (W - cx) / 2 : r.right - cx;
    }
}

int32_t AcrossStart(const LabelRect& r, int align, int rotation, int32_t th) {
    int32_t W = r.right - r.left, H = r.bottom - r.top;
    Across a = AcrossOf(align);
    switch (rotation) {
    case 90:
        return a == ACROSS_TOP ? r.right : a == ACROSS_CENTRE ? r.left + (W + th) / 2 : r.left + th;
    case 180:
        return a == ACROSS_TOP ? r.bottom : a == ACROSS_CENTRE ? r.bottom - (H + th) / 2 : r.top - th;
    case 270:
        return a == ACROSS_TOP ? r.left : a == ACROSS_CENTRE ? r.left + (W - th) / 2 : r.right - th;
    default:
        return a == ACROSS_TOP ? r.top : a == ACROSS_CENTRE ? r.top + (H + th) / 2 : r.bottom + th;
    }
}

LabelPoint LineReference(const LabelRect& rect, int align, int rotation, int32_t lineWidth, int32_t blockHeight,
                         int lineIndex, int32_t lineHeight) {
    int32_t along = AlongStart(rect, align, rotation, lineWidth);
    int32_t across = AcrossStart(rect, align, rotation, blockHeight);
    int32_t step = lineIndex * lineHeight;
    switch (rotation) {
    case 90:
        return {across - step, along};
    case 180:
        return {along, across + step};
    case 270:
        return {across + step, along};
    default:
        return {along, across - step};
    }
}

LabelRect TextClipRect(const LabelRect& rect) { return InflateLabelRect(rect, 2); }

bool MeasureTextOn(const TextDevice& device, const char* text, int length, int rotation, TextExtent* out) {
    int n = TextLengthOf(text, length);
    TextExtent size = {0, 0};
    if (!Extent(device, text ? text : "", n, &size)) {
        ReportBadStuff("MyDrawText - GetTextExtentPoint failed!");
        return false;
    }
    if (rotation == 90 || rotation == 270) {
        TextExtent probe = {1, 0};
        if (!Extent(device, "BJC620Bug", 9, &probe)) probe = {1, 0};
        if (std::abs(probe.cx) < std::abs(probe.cy)) std::swap(size.cx, size.cy);
    }
    *out = size;
    return true;
}

void DrawTextOn(const TextDevice& device, const char* text, int length, const LabelRect& rect, int align,
                int rotation) {
    DrawMeasuredTextOn(device, text, length, rect, align, rotation, nullptr);
}

void DrawMeasuredTextOn(const TextDevice& device, const char* text, int length, const LabelRect& rect, int align,
                        int rotation, const TextExtent* firstLine) {
    if (!text) return;
    int n = TextLengthOf(text, length);
    LabelRect clip = TextClipRect(rect);
    int lines = CountTextLines(text, n);
    int pos = 0;
    TextLine line;
    if (!NextTextLine(text, n, &pos, &line)) return;
    TextExtent first;
    int32_t lh = firstLine ? firstLine->cy : LineHeightOf(device, text, line, rotation, &first);
    if (firstLine) first = *firstLine;
    int32_t th = lines * lh;
    int32_t cx = first.cx;
    for (int index = 0;; ++index) {
        if (line.length > 0) {
            LabelPoint at = LineReference(rect, align, rotation, cx, th, index, lh);
            if (!device.output(device.context, at.x, at.y, clip, text + line.start, line.length))
                ReportBadStuff("MyDrawText - TextOut failure");
        }
        if (!NextTextLine(text, n, &pos, &line)) break;
        TextExtent extent = {0, 0};
        if (!MeasureTextOn(device, text + line.start, line.length, rotation, &extent)) extent = {0, 0};
        cx = extent.cx;
    }
}
