// Crop marks: lines one inch long from the paper's edges along the edges
// of each printed piece, in paper coordinates (label units from the
// printable area's top-left corner, y up).
#pragma once
#include <vector>

#include "render/print_plan.h"

struct MarkLine {
    int32_t x1, y1, x2, y2;
};

inline bool operator==(const MarkLine& a, const MarkLine& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

// The marks of one piece (its CropMarkBits) on a printable area of the
// given size, appended to lines.
void PieceCropMarks(const PrintPiece& piece, const PrintableArea& paper, std::vector<MarkLine>* lines);

// The marks of every piece of a sheet, each line once: neighbouring labels
// of a Wimbrook sheet share their cut lines.
std::vector<MarkLine> SheetCropMarks(const PrintSheet& sheet, const PrintableArea& paper);
