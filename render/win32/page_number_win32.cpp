#include "render/win32/page_number_win32.h"

#include "render/page_rects.h"
#include "render/win32/text_output_win32.h"

void DrawBookletPageNumber(HDC dc, const ZIPINFO& label, int page, int fullSize, double windowScale) {
    char text[16];
    LabelRect rect;
    int size;
    if (!BookletPageNumber(label, page, fullSize, text, sizeof text, &rect, &size)) return;
    HFONT font = LabelFont(dc, windowScale, "Arial", size, 0, 0, true, 0, nullptr);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    COLORREF oldColor = SetTextColor(dc, RGB(0, 0, 0));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    MyDrawText(dc, text, -1, rect, TEXT_BOTTOM | TEXT_RIGHT, 0);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
    if (oldFont) SelectObject(dc, oldFont);
    if (font) DeleteObject(font);
}
