#include "render/win32/spine_win32.h"

#include <cstring>

#include "base/text_compare.h"
#include "record/win32/font_desc_win32.h"
#include "render/catalog_geometry.h"
#include "render/label_font.h"
#include "render/page_rects.h"
#include "render/spine_layout.h"
#include "render/win32/page_background_win32.h"
#include "render/win32/text_output_win32.h"

namespace {

// The kept logo fonts, one pair for each rotation a spine uses.
struct SpineResources {
    HFONT initials[4] = {};
    HFONT number[4] = {};
    double scale = -1;
    double windowScale = -1;  // LabelFont sizes follow the window scale too
    EditionId edition = EDITION_KESTRIN;
    bool rebuild = true;
    HBRUSH purple = nullptr;
    HPEN pen = nullptr;
};
SpineResources g_spine;

void DropFonts() {
    for (int i = 0; i < 4; ++i) {
        if (g_spine.initials[i]) DeleteObject(g_spine.initials[i]);
        if (g_spine.number[i]) DeleteObject(g_spine.number[i]);
        g_spine.initials[i] = g_spine.number[i] = nullptr;
    }
}

void PrepareResources(const EditionProfile& edition, double scale, double windowScale) {
    if (!g_spine.purple) g_spine.purple = CreateSolidBrush(RGB(128, 0, 128));
    if (!g_spine.pen) g_spine.pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    if (g_spine.rebuild || g_spine.scale != scale || g_spine.windowScale != windowScale ||
        g_spine.edition != edition.id) {
        DropFonts();
        g_spine.scale = scale;
        g_spine.windowScale = windowScale;
        g_spine.edition = edition.id;
        g_spine.rebuild = false;
    }
}

HFONT LogoFont(HDC dc, const EditionProfile& edition, bool number, int rotation, double scale, double windowScale) {
    HFONT* slot = &(number ? g_spine.number : g_spine.initials)[(rotation / 90) & 3];
    if (!*slot) {
        SpineLogoSizes sizes = SpineLogoFontSizes(edition);
        int size = TruncUnits((number ? sizes.number : sizes.initials) * scale);
        *slot = LabelFont(dc, windowScale, "Arial", size, 0, number ? FONT_BOLD : 0, true, rotation * 10, nullptr);
    }
    return *slot;
}

// The spine font from its description at the scale, turned to the title's rotation.
HFONT TitleFont(const FontDesc& desc, double scale, int rotation) {
    FontDesc font = desc;
    font.lfHeight = TruncUnits(desc.lfHeight * scale);
    font.lfWidth = TruncUnits(desc.lfWidth * scale);
    font.lfEscapement = font.lfOrientation = rotation * 10;
    font.lfClipPrecision = CLIP_LH_ANGLES;
    return CreateFontIndirectA(AsLogFont(&font));
}

void Segment(HDC dc, const LabelSegment& s) {
    MoveToEx(dc, s.x1, s.y1, nullptr);
    LineTo(dc, s.x2, s.y2);
}

void DrawLogo(HDC dc, const EditionProfile& edition, const ZIPINFO& label, const SpinePlan& plan, double scale,
              double windowScale, const char* initials, const char* number) {
    int centred = TEXT_HCENTER | TEXT_VCENTER;
    HFONT first = LogoFont(dc, edition, false, plan.logoRotation, scale, windowScale);
    if (first) SelectObject(dc, first);
    SetTextColor(dc, RGB(0, 0, 0));
    if (initials && *initials) MyDrawText(dc, initials, -1, plan.initialsBox, centred, plan.logoRotation);
    HBRUSH fill = label.ZipColor ? g_spine.purple : static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    if (fill) FillLabelRect(dc, plan.numberBox, fill);
    HFONT second = LogoFont(dc, edition, true, plan.logoRotation, scale, windowScale);
    if (second) SelectObject(dc, second);
    SetTextColor(dc, RGB(255, 255, 255));
    if (number && *number) MyDrawText(dc, number, -1, plan.numberBox, centred, plan.logoRotation);
    Segment(dc, plan.dividers[0]);
    Segment(dc, plan.dividers[1]);
}

void DrawTitle(HDC dc, const ZIPINFO& label, const SpinePlan& plan, double scale) {
    int length = FieldLength(label.VolumeName, sizeof label.VolumeName);
    if (length == 0) return;
    HFONT font = TitleFont(label.SpineFont, scale, plan.titleRotation);
    if (font) SelectObject(dc, font);
    SetTextColor(dc, label.SpineFontColor);
    SetBkMode(dc, TRANSPARENT);
    MyDrawText(dc, label.VolumeName, length, plan.title, SpineTitleAlign(label.SpineAlign), plan.titleRotation);
    if (font) {
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
        DeleteObject(font);
    }
}

}  // namespace

void RequestSpineFontRebuild() { g_spine.rebuild = true; }

void DrawSpine(HDC dc, const EditionProfile& edition, ZIPINFO* label, int page, double scale, double windowScale,
               const char* initials, const char* number) {
    LabelRect strips[2];
    int n = SpineRectsAt(edition, *label, page, scale, strips);
    if (n <= 0) return;
    SpinePlan plans[2];
    n = PlanSpines(edition, strips, n, scale, label->ShowZip != 0, label->Opposing != 0, plans);
    PrepareResources(edition, scale, windowScale);
    int saved = SaveDC(dc);
    // Nothing of a spine reaches beyond its strip.
    for (int i = 0; i < n; ++i) {
        const SpinePlan& plan = plans[i];
        SaveDC(dc);
        IntersectClipRect(dc, plan.strip.left, plan.strip.top, plan.strip.right, plan.strip.bottom);
        if (g_spine.pen) SelectObject(dc, g_spine.pen);
        SetBkMode(dc, TRANSPARENT);
        if (plan.logo) DrawLogo(dc, edition, *label, plan, scale, windowScale, initials, number);
        DrawTitle(dc, *label, plan, scale);
        Segment(dc, plan.edges[0]);
        Segment(dc, plan.edges[1]);
        RestoreDC(dc, -1);
    }
    RestoreDC(dc, saved);
}
