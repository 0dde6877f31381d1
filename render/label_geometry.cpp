#include "render/label_geometry.h"

#include "base/report.h"

namespace {

// Kestrin: front cover with its 0.75 in spine, back cover.
constexpr LabelSize kKestrinFront = {569, -481};
constexpr LabelSize kKestrinBack = {494, -481};
constexpr LabelRect kKestrinFrontBody = {75, 0, 569, -481};
constexpr LabelRect kKestrinBackBody = {0, 0, 494, -481};
constexpr LabelRect kKestrinSpine = {0, 0, 75, -481};

// Dovantel: tray card with two spines, front cover, booklet pages.
constexpr LabelSize kDovantelTray = {591, -460};
constexpr LabelSize kDovantelFront = {480, -475};
constexpr LabelRect kDovantelTrayBody = {25, 0, 566, -460};
constexpr LabelRect kDovantelFrontBody = {0, 0, 480, -475};
constexpr LabelRect kDovantelBookletBody = {20, 0, 480, -475};
constexpr LabelRect kDovantelLeftSpine = {0, 0, 25, -460};
constexpr LabelRect kDovantelRightSpine = {566, 0, 591, -460};

// Wimbrook: one 2.75 in floppy label, spine strip below the page 1 body.
constexpr LabelSize kWimbrookLabel = {275, -275};
constexpr LabelRect kWimbrookBody1 = {0, 0, 275, -213};
constexpr LabelRect kWimbrookBody2 = {0, 0, 275, -200};
constexpr LabelRect kWimbrookSpine = {0, -213, 275, -225};

constexpr LabelRect kEmpty = {0, 0, 0, 0};

bool IsOdd(int page) { return (page & 1) != 0; }

}  // namespace

int KindForFormat(int lblFmt) { return (lblFmt == 5 || lblFmt == 6) ? KIND_BOOKLET : KIND_COVERS; }

int KindAfterLoad(const EditionProfile& edition, int lblFmt, int currentKind) {
    if (edition.id == EDITION_WIMBROOK) return currentKind;
    return KindForFormat(lblFmt);
}

void ChooseLabelFormat(const EditionProfile& edition, int lblFmt, int* lblFmtField, int* kind, int* currentPage) {
    if (edition.id == EDITION_WIMBROOK) return;
    *lblFmtField = lblFmt;
    *kind = KindForFormat(lblFmt);
    if (*kind == KIND_COVERS && *currentPage > 2) *currentPage = 1;
}

LabelSize PageSizeFor(const EditionProfile& edition, int kind, int page) {
    switch (edition.id) {
    case EDITION_KESTRIN:
        return IsOdd(page) ? kKestrinFront : kKestrinBack;
    case EDITION_DOVANTEL:
        if (kind == KIND_BOOKLET) return page == 1 ? kDovantelTray : kDovantelFront;
        return IsOdd(page) ? kDovantelTray : kDovantelFront;
    case EDITION_WIMBROOK:
    default:
        return kWimbrookLabel;
    }
}

bool IsBookletKind(const EditionProfile& edition, int kind) {
    return kind == KIND_BOOKLET && edition.id != EDITION_WIMBROOK;
}

bool GetTextRect(const EditionProfile& edition, int kind, int page, LabelRect* region) {
    bool booklet = IsBookletKind(edition, kind);
    if (page < 1 || (!booklet && page > 2)) {
        ReportBadStuff("GetTextRect - !(1<=Position<=2)");
        *region = kEmpty;
        return false;
    }
    switch (edition.id) {
    case EDITION_KESTRIN:
        *region = IsOdd(page) ? kKestrinFrontBody : kKestrinBackBody;
        return true;
    case EDITION_DOVANTEL:
        if (page == 1) *region = kDovantelTrayBody;
        else *region = booklet ? kDovantelBookletBody : kDovantelFrontBody;
        return true;
    case EDITION_WIMBROOK:
    default:
        *region = page == 1 ? kWimbrookBody1 : kWimbrookBody2;
        return true;
    }
}

bool CatalogBodyRegion(const EditionProfile& edition, const GeometrySettings& geometry, int kind, int page,
                       LabelRect* region) {
    if (!GetTextRect(edition, kind, page, region)) return false;
    if (edition.id == EDITION_WIMBROOK) {
        int inset = WimbrookBodyInset(geometry);
        region->left += inset;
        region->right -= inset;
    }
    return true;
}

int SpineRegions(const EditionProfile& edition, int page, LabelRect regions[2]) {
    if (page != 1) return 0;
    switch (edition.id) {
    case EDITION_KESTRIN:
        regions[0] = kKestrinSpine;
        return 1;
    case EDITION_DOVANTEL:
        regions[0] = kDovantelLeftSpine;
        regions[1] = kDovantelRightSpine;
        return 2;
    case EDITION_WIMBROOK:
    default:
        regions[0] = kWimbrookSpine;
        return 1;
    }
}

LabelPoint WindowOriginOfLabel(const EditionProfile& edition) {
    switch (edition.id) {
    case EDITION_KESTRIN:
        return {7, -4};
    case EDITION_DOVANTEL:
        return {7, -6};
    case EDITION_WIMBROOK:
    default:
        return {7, -3};
    }
}

LabelPoint SheetLabelOffset(int index) { return {275 * (index % 3), -300 * (index / 3)}; }

bool PageCarriesEntries(const EditionProfile& edition, int lblFmt, int kind, int page) {
    if (edition.id == EDITION_WIMBROOK) return page == 1 || page == 2;
    if ((lblFmt == 0 || lblFmt == 1) && (page == 1 || page == 2)) return true;
    if (lblFmt == 2 && page == 2) return true;
    if (lblFmt == 3 && page == 1) return true;
    if (lblFmt == 4 && (page == 1 || page == 2)) return true;
    if (kind == KIND_BOOKLET && lblFmt == 6 && page == 1) return true;
    if (kind == KIND_BOOKLET && page >= 2) return true;
    return false;
}

int WimbrookBodyInset(const GeometrySettings& settings) {
    if (settings.origPosition) return 10;
    double units = settings.sideMargin * 100.0;
    // A margin beyond half the label leaves no body at all; never more.
    if (!(units > 0)) return 0;
    if (units > 137) return 137;
    return static_cast<int>(units);
}
