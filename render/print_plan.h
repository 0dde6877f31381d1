// What a print job puts on paper: the sheets of the chosen range, the
// pieces (pages of a label) on each sheet and where each lies, and which
// crop marks each gets. Pure arithmetic over the placement settings, the
// label geometry and the printer's printable area; the Win32 job draws it.
//
// Paper coordinates are label units from the top-left corner of the
// printer's printable area, y growing upward (the device origin under the
// label mapping).
#pragma once
#include <vector>

#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_geometry.h"
#include "render/label_rect.h"

// Which cover(s) a job prints.
enum PrintWhat { PRINT_WHOLE = 0, PRINT_FRONT_ONLY = 1, PRINT_BACK_ONLY = 2 };

// Crop mark groups of a piece. Left and right are the four marks from the
// paper's left (right) edge at the piece's top and bottom edges and from
// the paper's top and bottom edges at its left (right) edge; both together
// are all eight. Bottom is Dovantel's front cover under the tray card: the
// two marks at its bottom edge and the two rising from the paper's bottom.
enum CropMarkBits { CROP_NONE = 0, CROP_LEFT = 1, CROP_RIGHT = 2, CROP_BOTTOM = 4, CROP_ALL = CROP_LEFT | CROP_RIGHT };

struct PrintPiece {
    int label;        // index of the label record: 0, or 0 to 8 on a Wimbrook sheet
    int page;
    LabelPoint at;    // the page's top-left corner on the paper
    LabelSize size;
    int cropMarks;    // CropMarkBits, CROP_NONE without "CropMarks"
};

struct PrintSheet {
    std::vector<PrintPiece> pieces;
};

// The placement settings of Printer Setup (inches where they are lengths).
struct PrintPlacement {
    bool origPosition = true;  // "&Default Position"
    bool separate = false;     // "&Space Between Labels" ("Print &Empty Labels" in Wimbrook)
    bool multiPage = false;    // "&New Page"
    bool cropMarks = false;
    double newPosX = 1.0, newPosY = 1.0;
    double newPosX2 = 2.0, newPosY2 = 5.6;
};

// The printer's printable area: its size and where it starts on the
// paper (the unprintable margin at the left and top), label units.
struct PrintableArea {
    int32_t width = 0;
    int32_t height = 0;  // positive
    LabelPoint offset = {0, 0};
};

struct PrintRequest {
    const EditionProfile* edition = nullptr;
    int kind = KIND_COVERS;
    int what = PRINT_WHOLE;
    // The sheets the print dialog named, already in 1..sheet count.
    int fromSheet = 1;
    int toSheet = 1;
    // Booklets: the last sheet whose pages show entries or carry objects
    // (LastSheetWithContent); later sheets of the range stay blank.
    int lastSheet = 1;
    PrintPlacement placement;
    PrintableArea paper;
    // Wimbrook: the page each label prints and which labels print.
    int page = 1;
    bool printsLabel[9] = {};
};

// Placement inches as label units, rounded (1.009 in is 101, not 100).
int32_t InchesToLabelUnits(double inches);

// The print dialog's range brought into 1..sheets with from <= to.
void ClampSheetRange(int sheets, int* from, int* to);

// Whether a page of a booklet shows catalog entries (by the label's flow)
// or carries placed objects.
bool PageShowsSomething(ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                        int page);

// The last of the sheets 1..sheets that shows something on its two pages
// (2s - 1 and 2s); 1 when none beyond the covers does.
int LastSheetWithContent(ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                         int sheets);

// Wimbrook: a label prints when "Print &Empty Labels" is on, or it holds
// catalog entries or placed objects.
bool WimbrookLabelPrints(const ZIPINFO& label, bool printEmptyLabels);

// Kestrin's "Printout Size Warning": asked once, before the job, when the
// whole label is printed at the default position on one sheet and its
// first pair of pages (the covers, or the first booklet sheet of a range
// that starts later) is wider than the printable area.
bool AsksSizeWarning(const PrintRequest& request);

// The sheets of one copy, in printing order. Empty when nothing prints.
std::vector<PrintSheet> PlanPrintJob(const PrintRequest& request);
