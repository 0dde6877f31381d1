// The fixed rectangles of every edition's label: page sizes, the body
// region that receives the catalog, the spine strips, the window origin of
// the label and Wimbrook's sheet grid; which pages carry catalog entries
// under each label format, and how the format sets the geometry kind.
#pragma once
#include "editions/profile.h"
#include "render/label_rect.h"

// The two print settings the label geometry reads: Wimbrook insets its body
// region by the side margin, or by a fixed 0.1 in while the default print
// position is on. The caller hands in the program's values.
struct GeometrySettings {
    double sideMargin = 0.100;  // "SideMargin", inches
    int origPosition = 1;       // "OrigPosition"
};

// Horizontal inset of Wimbrook's body region on each side, label units.
int WimbrookBodyInset(const GeometrySettings& settings);

// Geometry kinds (settings key "Labels").
enum LabelKindCode { KIND_COVERS = 10, KIND_BOOKLET = 12, KIND_SHEET = 23 };

struct LabelSize {
    int32_t width;
    int32_t height;  // negative
};

// Highest page number anything turns to.
constexpr int kMaxPage = 1000;

// Geometry kind a label format gives: Booklet for 5 and 6, else Covers.
int KindForFormat(int lblFmt);

// Kind after loading a label or template with this format. Wimbrook's kind
// is the user's choice of one or nine labels and never follows the format.
int KindAfterLoad(const EditionProfile& edition, int lblFmt, int currentKind);

// A format chosen from the Label Format menu: sets the label's LblFmt, the
// kind, and brings the current page back to 1 when a covers format is
// chosen beyond page 2.
void ChooseLabelFormat(const EditionProfile& edition, int lblFmt, int* lblFmtField, int* kind, int* currentPage);

// Page size for the kind (the height is negative).
LabelSize PageSizeFor(const EditionProfile& edition, int kind, int page);

// Body region of the page relative to its top-left corner (GetTextRect).
// Under Covers and Sheet only pages 1 and 2 exist: another page reports
// "GetTextRect - !(1<=Position<=2)" and answers an empty rectangle and false.
bool GetTextRect(const EditionProfile& edition, int kind, int page, LabelRect* region);

// The body region the catalog is laid out in: GetTextRect, in Wimbrook
// narrowed by the side inset on both sides.
bool CatalogBodyRegion(const EditionProfile& edition, const GeometrySettings& geometry, int kind, int page,
                       LabelRect* region);

// Spine regions of the page (page 1 only; Dovantel's tray card has two).
// Returns how many were written (0 to 2).
int SpineRegions(const EditionProfile& edition, int page, LabelRect regions[2]);

// The edition's window origin of the label.
LabelPoint WindowOriginOfLabel(const EditionProfile& edition);

// Offset of label index (0 to 8) from the origin of a Wimbrook sheet.
LabelPoint SheetLabelOffset(int index);

// Whether the kind has numbered booklet pages beyond the two covers
// (Wimbrook has none).
bool IsBookletKind(const EditionProfile& edition, int kind);

// Whether the catalog is laid out on the page.
bool PageCarriesEntries(const EditionProfile& edition, int lblFmt, int kind, int page);
