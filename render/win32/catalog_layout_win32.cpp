#include "render/win32/catalog_layout_win32.h"

#include <vector>

#include "document/win32/font_desc_win32.h"
#include "render/catalog_geometry.h"
#include "render/catalog_layout.h"
#include "render/label_geometry.h"
#include "render/win32/text_output_win32.h"

namespace {

// Made on first use and kept for the whole run.
HPEN LayoutPen(int pen) {
    static HPEN tree = CreatePen(PS_SOLID, 1, RGB(127, 127, 127));
    static HPEN rule = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    return pen == PEN_TREE ? tree : rule;
}

// A label font at the drawing scale, upright.
HFONT ScaledFont(const FontDesc& desc, double scale) {
    FontDesc font = desc;
    font.lfHeight = TruncUnits(desc.lfHeight * scale);
    font.lfWidth = TruncUnits(desc.lfWidth * scale);
    font.lfEscapement = 0;
    font.lfOrientation = 0;
    return CreateFontIndirectA(AsLogFont(&font));
}

struct GdiCatalog {
    HDC dc = nullptr;
    const ZIPINFO* label = nullptr;
    double scale = 1.0;
    HFONT file = nullptr, folder = nullptr, comment = nullptr;
    std::vector<HFONT> ext;  // extension style fonts, made when first used
    int pen = -1;

    ~GdiCatalog() {
        for (HFONT f : {file, folder, comment})
            if (f) DeleteObject(f);
        for (HFONT f : ext)
            if (f) DeleteObject(f);
    }

    void Use(HFONT font, ColorRef color) {
        if (font) SelectObject(dc, font);
        SetTextColor(dc, color);
    }
};

void SelectStyle(void* context, int style) {
    auto* c = static_cast<GdiCatalog*>(context);
    const ZIPINFO* label = c->label;
    switch (style) {
    case STYLE_FILE:
        c->Use(c->file, label->FontColor);
        return;
    case STYLE_FOLDER:
        c->Use(c->folder, label->DirFontColor);
        return;
    case STYLE_COMMENT:
        c->Use(c->comment, label->CommFontColor);
        return;
    default:
        break;
    }
    if (style < 0 || style >= label->NumExtStyles || !label->ExtStyles) return;
    if (c->ext.size() <= static_cast<size_t>(style)) c->ext.resize(style + 1, nullptr);
    if (!c->ext[style]) c->ext[style] = ScaledFont(label->ExtStyles[style].ExtFont, c->scale);
    c->Use(c->ext[style], label->ExtStyles[style].ExtColor);
}

bool Measure(void* context, const char* text, int length, TextExtent* out) {
    return MeasureText(static_cast<GdiCatalog*>(context)->dc, text, length, 0, out);
}

void Text(void* context, const char* text, int length, const LabelRect& rect, int align) {
    MyDrawText(static_cast<GdiCatalog*>(context)->dc, text, length, rect, align, 0);
}

void Line(void* context, int pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto* c = static_cast<GdiCatalog*>(context);
    if (pen != c->pen) {
        SelectObject(c->dc, LayoutPen(pen));
        c->pen = pen;
    }
    MoveToEx(c->dc, x1, y1, nullptr);
    LineTo(c->dc, x2, y2);
}

}  // namespace

int LayOutPage(HDC dc, const EditionProfile& edition, int kind, ZIPINFO* label, int page, double scale,
               int firstEntry, const char* comment) {
    LabelRect body;
    if (!CatalogBodyRegion(edition, kind, page, &body)) return 0;
    CatalogPass pass = {&edition, label, body, scale, label->LabelOriginX, label->LabelOriginY, page, firstEntry,
                        comment};
    int saved = SaveDC(dc);
    LabelRect clip = CatalogDrawBody(pass);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    SetBkMode(dc, TRANSPARENT);
    int drawn = 0;
    {
        GdiCatalog gdi;
        gdi.dc = dc;
        gdi.label = label;
        gdi.scale = scale;
        gdi.file = ScaledFont(label->Font, scale);
        gdi.folder = ScaledFont(label->DirFont, scale);
        if (PassShowsComment(pass)) gdi.comment = ScaledFont(label->CommFont, scale);
        CatalogPainter painter = {&gdi, SelectStyle, Measure, Text, Line};
        drawn = LayOutCatalog(pass, painter);
        // Back to the device's own objects before ours are deleted.
        RestoreDC(dc, saved);
    }
    return drawn;
}
