#include "render/win32/catalog_layout_win32.h"

#include <cstring>
#include <vector>

#include "record/win32/font_desc_win32.h"
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
    GdiTextTarget target = {};  // the device and the body every text is clipped to
    TextDevice device = {};
    HFONT file = nullptr, folder = nullptr, comment = nullptr;
    std::vector<HFONT> ext;  // extension style fonts, made when first used
    // Lines are gathered by pen and drawn in one call each at the end of
    // the pass: grey tree lines first, then the black rules over them, as
    // each cell would have them; no line crosses another cell's text.
    std::vector<POINT> points[2];
    std::vector<DWORD> counts[2];
    // Line height of each style's font, measured when the style is first
    // selected: every single-line text of the pass is placed with it.
    int32_t heights[3] = {-1, -1, -1};
    std::vector<int32_t> extHeights;
    int32_t lineHeight = -1;

    ~GdiCatalog() {
        for (HFONT f : {file, folder, comment})
            if (f) DeleteObject(f);
        for (HFONT f : ext)
            if (f) DeleteObject(f);
    }

    void Use(HFONT font, ColorRef color, int32_t* height) {
        if (font) SelectObject(dc, font);
        SetTextColor(dc, color);
        if (*height < 0) {
            TextExtent blank = {0, 0};
            *height = MeasureTextOn(device, " ", 1, 0, &blank) ? blank.cy : 0;
        }
        lineHeight = *height;
    }
};

void SelectStyle(void* context, int style) {
    auto* c = static_cast<GdiCatalog*>(context);
    const ZIPINFO* label = c->label;
    switch (style) {
    case STYLE_FILE:
        c->Use(c->file, label->FontColor, &c->heights[0]);
        return;
    case STYLE_FOLDER:
        c->Use(c->folder, label->DirFontColor, &c->heights[1]);
        return;
    case STYLE_COMMENT:
        c->Use(c->comment, label->CommFontColor, &c->heights[2]);
        return;
    default:
        break;
    }
    if (style < 0 || style >= label->NumExtStyles || !label->ExtStyles) return;
    if (c->ext.size() <= static_cast<size_t>(style)) {
        c->ext.resize(style + 1, nullptr);
        c->extHeights.resize(style + 1, -1);
    }
    if (!c->ext[style]) c->ext[style] = ScaledFont(label->ExtStyles[style].ExtFont, c->scale);
    c->Use(c->ext[style], label->ExtStyles[style].ExtColor, &c->extHeights[style]);
}

bool Measure(void* context, const char* text, int length, TextExtent* out) {
    return MeasureTextOn(static_cast<GdiCatalog*>(context)->device, text, length, 0, out);
}

// MyDrawText, without measuring again what is known: the line height of
// the selected font, and the width the walk measured (a text placed from
// its start needs none).
void Text(void* context, const char* text, int length, const LabelRect& rect, int align, int32_t width) {
    auto* c = static_cast<GdiCatalog*>(context);
    bool fromStart = (align & (TEXT_HCENTER | TEXT_RIGHT)) == 0;
    bool oneLine = std::memchr(text, '\n', static_cast<size_t>(length)) == nullptr;
    if (oneLine && c->lineHeight > 0 && (fromStart || width >= 0)) {
        TextExtent known = {fromStart ? 0 : width, c->lineHeight};
        c->target.knownExtent = known;
        DrawMeasuredTextOn(c->device, text, length, rect, align, 0, &known);
    } else {
        DrawTextOn(c->device, text, length, rect, align, 0);
    }
}

void Line(void* context, int pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto* c = static_cast<GdiCatalog*>(context);
    int i = pen == PEN_TREE ? 0 : 1;
    c->points[i].push_back({x1, y1});
    c->points[i].push_back({x2, y2});
    c->counts[i].push_back(2);
}

void DrawLines(GdiCatalog* c) {
    for (int i = 0; i < 2; ++i) {
        if (c->counts[i].empty()) continue;
        SelectObject(c->dc, LayoutPen(i == 0 ? PEN_TREE : PEN_RULE));
        PolyPolyline(c->dc, c->points[i].data(), c->counts[i].data(), static_cast<DWORD>(c->counts[i].size()));
    }
}

}  // namespace

int LayOutPage(HDC dc, const EditionProfile& edition, const GeometrySettings& geometry, int kind, ZIPINFO* label,
               int page, double scale, int firstEntry, const char* comment) {
    LabelRect body;
    if (!CatalogBodyRegion(edition, geometry, kind, page, &body)) return 0;
    CatalogPass pass = {&edition, label, body, scale, label->LabelOriginX, label->LabelOriginY, page, firstEntry,
                        comment};
    int saved = SaveDC(dc);
    SetTextOutputState(dc);
    int drawn = 0;
    {
        GdiCatalog gdi;
        gdi.dc = dc;
        gdi.label = label;
        gdi.scale = scale;
        gdi.target = {dc, CatalogDrawBody(pass), {0, 0}};
        gdi.device = GdiTextDeviceInState(&gdi.target);
        gdi.file = ScaledFont(label->Font, scale);
        gdi.folder = ScaledFont(label->DirFont, scale);
        if (PassShowsComment(pass)) gdi.comment = ScaledFont(label->CommFont, scale);
        CatalogPainter painter = {&gdi, SelectStyle, Measure, Text, Line};
        drawn = LayOutCatalog(pass, painter);
        DrawLines(&gdi);
        // Back to the device's own objects before ours are deleted.
        RestoreDC(dc, saved);
    }
    return drawn;
}
