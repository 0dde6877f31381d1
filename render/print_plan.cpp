#include "render/print_plan.h"

#include <cmath>
#include <cstring>

#include "render/layout_cache.h"
#include "render/page_flow.h"
#include "render/page_origin.h"

namespace {

// The default position of Kestrin's first piece.
constexpr LabelPoint kKestrinOrigin = {1, -165};
// Dovantel's default position: a page's full-size origin moved this far
// right, at this height.
constexpr int kDovantelShiftX = 100;
constexpr int kDovantelTopY = -50;
// Wimbrook's default sheet origin on the paper itself (the printer's
// unprintable margin is taken off).
constexpr LabelPoint kWimbrookOrigin = {13, -50};
// "&Space Between Labels".
constexpr int kSpace = 10;
// The second position's own correction, kept: stored calibrations rely on it.
constexpr int kSecondPositionShiftX = -7;

LabelPoint FirstPosition(const PrintPlacement& p) {
    return {InchesToLabelUnits(p.newPosX), -InchesToLabelUnits(p.newPosY)};
}

LabelPoint SecondPosition(const PrintPlacement& p) {
    return {InchesToLabelUnits(p.newPosX2) + kSecondPositionShiftX, -InchesToLabelUnits(p.newPosY2)};
}

PrintPiece Piece(const PrintRequest& r, int label, int page, LabelPoint at, int marks) {
    return {label, page, at, PageSizeFor(*r.edition, r.kind, page), r.placement.cropMarks ? marks : CROP_NONE};
}

// Dovantel's default place of a page: its full-size origin without the
// toolbar, moved right; never the view's.
int32_t DovantelDefaultX(const PrintRequest& r, int page) {
    ZIPINFO scratch;
    std::memset(&scratch, 0, sizeof scratch);
    LabelPoint base = WindowOriginOfLabel(*r.edition);
    PageOriginFor(&scratch, *r.edition, r.kind, page, 1, base.x, base.y);
    return scratch.LabelOriginX + kDovantelShiftX;
}

// Kestrin's two pieces side by side: the covers (2 then 1) or a booklet
// sheet (2s then 2s - 1), by the same rules.
void PlanKestrinPair(const PrintRequest& r, int firstPage, int secondPage, std::vector<PrintSheet>* sheets) {
    const PrintPlacement& p = r.placement;
    bool both = r.what == PRINT_WHOLE;
    bool newSheet = both && p.multiPage;
    bool alone = !both || newSheet;
    sheets->emplace_back();
    LabelPoint first = p.origPosition ? kKestrinOrigin : FirstPosition(p);
    PrintPiece firstPiece = Piece(r, 0, firstPage, first, alone ? CROP_ALL : CROP_LEFT);
    if (r.what != PRINT_FRONT_ONLY) sheets->back().pieces.push_back(firstPiece);
    if (newSheet) sheets->emplace_back();
    LabelPoint second;
    if (!p.origPosition) {
        second = SecondPosition(p);
    } else if (newSheet || r.what == PRINT_FRONT_ONLY) {
        second = kKestrinOrigin;
    } else {
        second = {first.x + firstPiece.size.width + (p.separate ? kSpace : 0), first.y};
    }
    if (r.what != PRINT_BACK_ONLY) sheets->back().pieces.push_back(Piece(r, 0, secondPage, second, alone ? CROP_ALL : CROP_RIGHT));
}

// Dovantel's covers: the tray card (page 1) above the front cover (page 2).
// The front cover keeps its place below the tray card's also when it
// prints alone.
void PlanDovantelCovers(const PrintRequest& r, std::vector<PrintSheet>* sheets) {
    const PrintPlacement& p = r.placement;
    bool both = r.what == PRINT_WHOLE;
    bool newSheet = both && p.multiPage;
    bool alone = !both || newSheet;
    LabelPoint tray, front;
    if (p.origPosition) {
        tray = {DovantelDefaultX(r, 1), kDovantelTopY};
        int32_t below = kDovantelTopY + PageSizeFor(*r.edition, r.kind, 1).height - (p.separate ? kSpace : 0);
        front = {DovantelDefaultX(r, 2), below};
    } else {
        tray = FirstPosition(p);
        front = SecondPosition(p);
    }
    sheets->emplace_back();
    if (r.what != PRINT_FRONT_ONLY) sheets->back().pieces.push_back(Piece(r, 0, 1, tray, CROP_ALL));
    if (newSheet) sheets->emplace_back();
    if (r.what != PRINT_BACK_ONLY) sheets->back().pieces.push_back(Piece(r, 0, 2, front, alone ? CROP_ALL : CROP_BOTTOM));
}

// A Dovantel booklet sheet: the odd page above the even page.
void PlanDovantelBookletSheet(const PrintRequest& r, int sheet, std::vector<PrintSheet>* sheets) {
    const PrintPlacement& p = r.placement;
    int odd = 2 * sheet - 1, even = 2 * sheet;
    LabelPoint top = p.origPosition ? LabelPoint{DovantelDefaultX(r, odd), kDovantelTopY} : FirstPosition(p);
    int32_t belowY = top.y + PageSizeFor(*r.edition, r.kind, odd).height - (p.separate ? kSpace : 0);
    sheets->emplace_back();
    sheets->back().pieces.push_back(Piece(r, 0, odd, top, CROP_ALL));
    sheets->back().pieces.push_back(Piece(r, 0, even, {top.x, belowY}, CROP_ALL));
}

void PlanCoversAndBooklet(const PrintRequest& r, std::vector<PrintSheet>* sheets) {
    bool kestrin = r.edition->id == EDITION_KESTRIN;
    bool covers = r.what != PRINT_WHOLE || r.fromSheet <= 1;
    if (covers) {
        if (kestrin) PlanKestrinPair(r, 2, 1, sheets);
        else PlanDovantelCovers(r, sheets);
    }
    if (r.what != PRINT_WHOLE || !IsBookletKind(*r.edition, r.kind)) return;
    int last = r.toSheet < r.lastSheet ? r.toSheet : r.lastSheet;
    for (int s = r.fromSheet < 2 ? 2 : r.fromSheet; s <= last; ++s) {
        if (kestrin) PlanKestrinPair(r, 2 * s, 2 * s - 1, sheets);
        else PlanDovantelBookletSheet(r, s, sheets);
    }
}

void PlanWimbrookSheet(const PrintRequest& r, std::vector<PrintSheet>* sheets) {
    const PrintPlacement& p = r.placement;
    LabelPoint origin = p.origPosition
                            ? LabelPoint{kWimbrookOrigin.x - r.paper.offset.x, kWimbrookOrigin.y + r.paper.offset.y}
                            : FirstPosition(p);
    int count = r.kind == KIND_SHEET ? 9 : 1;
    PrintSheet sheet;
    for (int i = 0; i < count; ++i) {
        if (!r.printsLabel[i]) continue;
        LabelPoint offset = SheetLabelOffset(i);
        sheet.pieces.push_back(Piece(r, i, r.page, {origin.x + offset.x, origin.y + offset.y}, CROP_ALL));
    }
    if (!sheet.pieces.empty()) sheets->push_back(sheet);
}

}  // namespace

int32_t InchesToLabelUnits(double inches) {
    double units = inches * 100.0;
    if (!(units == units)) return 0;
    // Beyond any paper; also keeps the sums of positions and sizes in range.
    if (units > 1e7) return 10000000;
    if (units < -1e7) return -10000000;
    return static_cast<int32_t>(std::lround(units));
}

void ClampSheetRange(int sheets, int* from, int* to) {
    if (sheets < 1) sheets = 1;
    if (*from < 1) *from = 1;
    if (*from > sheets) *from = sheets;
    if (*to > sheets) *to = sheets;
    if (*to < *from) *to = *from;
}

bool PageShowsSomething(ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                        int page) {
    for (int i = 0; i < label->NumObjects && label->Objects; ++i)
        if (label->Objects[i].rec.Page == page) return true;
    if (!PageCarriesEntries(edition, label->LblFmt, kind, page)) return false;
    if (PageCapacityAt(label, edition, geometry, kind, page) <= 0) return false;
    int entries = EnsureLayoutCache(label);
    return FirstEntryOfPage(label, edition, geometry, kind, page) < entries;
}

int LastSheetWithContent(ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                         int sheets) {
    for (int s = sheets; s > 1; --s)
        if (PageShowsSomething(label, edition, geometry, kind, 2 * s - 1) ||
            PageShowsSomething(label, edition, geometry, kind, 2 * s))
            return s;
    return 1;
}

bool WimbrookLabelPrints(const ZIPINFO& label, bool printEmptyLabels) {
    return printEmptyLabels || label.NumEntries > 0 || label.NumObjects > 0;
}

bool AsksSizeWarning(const PrintRequest& r) {
    const PrintPlacement& p = r.placement;
    if (r.edition->id != EDITION_KESTRIN || r.what != PRINT_WHOLE || !p.origPosition || p.multiPage) return false;
    int sheet = r.fromSheet < 1 ? 1 : r.fromSheet;
    if (sheet > 1 && (!IsBookletKind(*r.edition, r.kind) || sheet > r.toSheet || sheet > r.lastSheet)) return false;
    int64_t needed = int64_t(PageSizeFor(*r.edition, r.kind, 2 * sheet).width) +
                     PageSizeFor(*r.edition, r.kind, 2 * sheet - 1).width + 1 + (p.separate ? kSpace : 0);
    return needed > r.paper.width;
}

std::vector<PrintSheet> PlanPrintJob(const PrintRequest& r) {
    std::vector<PrintSheet> sheets;
    if (!r.edition) return sheets;
    if (r.edition->id == EDITION_WIMBROOK) PlanWimbrookSheet(r, &sheets);
    else PlanCoversAndBooklet(r, &sheets);
    return sheets;
}
