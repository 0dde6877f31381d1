#include "render/win32/placed_objects_win32.h"

#include <cstring>

#include "record/packed_bitmap.h"
#include "record/win32/font_desc_win32.h"
#include "render/page_layers.h"
#include "render/page_rects.h"
#include "render/win32/text_output_win32.h"
#include "base/report.h"

namespace {

void DrawPicture(HDC dc, const PlacedObject& object, const LabelRect& r) {
    if (!object.bitmap || !object.bits || object.bits < object.bitmap) return;
    // Only a bitmap whose every byte lies in its block is handed to GDI.
    BitmapFacts facts;
    uint32_t offset = static_cast<uint32_t>(object.bits - object.bitmap);
    if (!CheckPackedBitmap(object.bitmap, object.bitmapSize, offset, &facts)) return;
    int height = facts.height < 0 ? -facts.height : facts.height;
    StretchDIBits(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, facts.width, height, object.bits,
                  reinterpret_cast<const BITMAPINFO*>(object.bitmap), DIB_RGB_COLORS, SRCCOPY);
}

void DrawString(HDC dc, const ObjectRecord& rec, const LabelRect& r, int fullSize) {
    int rotation = StringRotation(rec.Orientation);
    SetBkMode(dc, rec.Filled ? OPAQUE : TRANSPARENT);
    SetTextColor(dc, rec.TextColor);
    SetBkColor(dc, rec.BackColor);
    FontDesc desc = rec.Font;
    if (!fullSize) {
        desc.lfHeight /= 2;
        desc.lfWidth /= 2;
    }
    desc.lfEscapement = desc.lfOrientation = rotation * 10;
    desc.lfClipPrecision = CLIP_LH_ANGLES;
    HFONT font = CreateFontIndirectA(AsLogFont(&desc));
    if (!font) ReportBadStuff("DrawZipImages - CreateFontIndirect Failure!");
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    if (rec.Filled) {
        HBRUSH brush = CreateSolidBrush(rec.BackColor);
        HPEN pen = CreatePen(PS_SOLID, 0, rec.BackColor);
        HGDIOBJ oldBrush = brush ? SelectObject(dc, brush) : nullptr;
        HGDIOBJ oldPen = pen ? SelectObject(dc, pen) : nullptr;
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        if (oldPen) SelectObject(dc, oldPen);
        if (oldBrush) SelectObject(dc, oldBrush);
        if (pen) DeleteObject(pen);
        if (brush) DeleteObject(brush);
    }
    int length = static_cast<int>(strnlen(rec.Text, sizeof rec.Text));
    if (length > 0) MyDrawText(dc, rec.Text, length, r, StringTextAlign(rec.HAlign, rec.VAlign), rotation);
    if (oldFont) SelectObject(dc, oldFont);
    if (font) DeleteObject(font);
}

}  // namespace

void DrawPlacedObjects(HDC dc, ZIPINFO* label, int layer, int page, int fullSize) {
    if (!label->Objects || label->NumObjects <= 0) return;
    int saved = SaveDC(dc);
    SetStretchBltMode(dc, COLORONCOLOR);
    // An object reaching past its page is cut at the page's edge as drawn
    // (half size in the spread view), never drawn over its neighbour.
    LabelRect pageRect = PageRectAt(*label, fullSize ? 1.0 : 0.5);
    IntersectClipRect(dc, pageRect.left, pageRect.top, pageRect.right, pageRect.bottom);
    for (int i = label->NumObjects - 1; i >= 0; --i) {
        const PlacedObject& object = label->Objects[i];
        if (object.rec.Layer != layer || object.rec.Page != page) continue;
        LabelRect r = ObjectDrawRect(object.rec, fullSize, label->LabelOriginX, label->LabelOriginY);
        if (object.rec.Type == OBJECT_PICTURE) DrawPicture(dc, object, r);
        else if (object.rec.Type == OBJECT_STRING) DrawString(dc, object.rec, r, fullSize);
    }
    RestoreDC(dc, saved);
}
