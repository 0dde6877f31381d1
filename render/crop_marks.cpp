#include "render/crop_marks.h"

#include <algorithm>

namespace {
constexpr int32_t kMarkLength = 100;

// Horizontal marks at the piece's top and bottom edges from one side of the
// paper (x0 the edge, x1 one inch in).
void EdgeMarksFromSide(const PrintPiece& p, int32_t x0, int32_t x1, bool top, std::vector<MarkLine>* lines) {
    if (top) lines->push_back({x0, p.at.y, x1, p.at.y});
    int32_t bottom = p.at.y + p.size.height;
    lines->push_back({x0, bottom, x1, bottom});
}

// Vertical marks at x from the paper's top and bottom edges.
void MarksAtX(int32_t x, const PrintableArea& paper, bool top, std::vector<MarkLine>* lines) {
    int32_t paperBottom = -paper.height;
    if (top) lines->push_back({x, 0, x, -kMarkLength});
    lines->push_back({x, paperBottom, x, paperBottom + kMarkLength});
}
}  // namespace

void PieceCropMarks(const PrintPiece& p, const PrintableArea& paper, std::vector<MarkLine>* lines) {
    int32_t right = p.at.x + p.size.width;
    if (p.cropMarks & CROP_LEFT) {
        EdgeMarksFromSide(p, 0, kMarkLength, true, lines);
        MarksAtX(p.at.x, paper, true, lines);
    }
    if (p.cropMarks & CROP_RIGHT) {
        EdgeMarksFromSide(p, paper.width, paper.width - kMarkLength, true, lines);
        MarksAtX(right, paper, true, lines);
    }
    if (p.cropMarks == CROP_BOTTOM) {
        EdgeMarksFromSide(p, 0, kMarkLength, false, lines);
        EdgeMarksFromSide(p, paper.width, paper.width - kMarkLength, false, lines);
        MarksAtX(p.at.x, paper, false, lines);
        MarksAtX(right, paper, false, lines);
    }
}

std::vector<MarkLine> SheetCropMarks(const PrintSheet& sheet, const PrintableArea& paper) {
    std::vector<MarkLine> all, unique;
    for (const PrintPiece& p : sheet.pieces) PieceCropMarks(p, paper, &all);
    for (const MarkLine& line : all)
        if (std::find(unique.begin(), unique.end(), line) == unique.end()) unique.push_back(line);
    return unique;
}
