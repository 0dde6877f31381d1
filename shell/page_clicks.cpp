#include "shell/page_clicks.h"

#include <algorithm>

#include "render/label_geometry.h"
#include "render/page_origin.h"
#include "editions/command_ids.h"
#include "shell/object_hit_test.h"
#include "shell/view_state.h"

namespace {

// Where a click beside an even Kestrin page and beside a Dovantel page
// turns back rather than forward.
constexpr int kKestrinTurnBackX = 295;
constexpr int kDovantelTurnBackX = 307;

// The sheet map as laid out with the drawing origin at its place without a
// toolbar (7, -6).
constexpr int kMapLeft = 290;
constexpr int kMapTop = -50;
constexpr int kMapCell = 20;
constexpr int kShellOriginX = 7;
constexpr int kShellOriginY = -6;

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

int SpreadOddPage(int page) { return ((page - 1) & ~1) + 1; }
int SpreadEvenPage(int page) { return ((page - 1) & ~1) + 2; }

int ClickedSpreadPage(const EditionProfile& edition, int kind, int page, LabelPoint p, int drawOriginX,
                      int drawOriginY, bool rightButton) {
    int odd = SpreadOddPage(page), even = SpreadEvenPage(page);
    ZIPINFO placed = {};
    if (edition.id == EDITION_DOVANTEL) {
        PageOriginFor(&placed, edition, kind, 2, 0, drawOriginX, drawOriginY);
        int32_t edge = placed.LabelOriginY;
        return (p.y < edge || (rightButton && p.y == edge)) ? even : odd;
    }
    PageOriginFor(&placed, edition, kind, odd, 0, drawOriginX, drawOriginY);
    int32_t edge = placed.LabelOriginX;
    return (p.x < edge || (rightButton && p.x == edge)) ? even : odd;
}

int PageAfterClick(const EditionProfile& edition, int kind, int page, LabelPoint p, const ZIPINFO& label) {
    if (edition.id == EDITION_WIMBROOK) return page;
    if (page == 1) return 2;
    int previous = std::max(page - 1, 1), next = std::min(page + 1, kMaxPage);
    if (edition.id == EDITION_DOVANTEL)
        return (p.x < kDovantelTurnBackX || kind == KIND_COVERS) ? previous : next;
    if (page & 1) return p.y < label.LabelOriginY + label.PageHeight ? previous : next;
    return (p.x > kKestrinTurnBackX || kind == KIND_COVERS) ? previous : next;
}

ClickRegion RegionAt(const EditionProfile& edition, int kind, int page, LabelPoint q) {
    LabelRect body;
    if (GetTextRect(edition, kind, page, &body) && RectContainsPoint(body, q)) return REGION_BODY;
    LabelRect spines[2];
    int n = SpineRegions(edition, page, spines);
    for (int i = 0; i < n; ++i)
        if (RectContainsPoint(spines[i], q)) return REGION_SPINE;
    return REGION_NONE;
}

int DoubleClickCommand(const DoubleClick& click, const ZIPINFO& label, LabelPoint p) {
    if (click.shift || (!click.objectHit && click.region == REGION_SPINE)) return CMD_EDIT_SPINE_TEXT;
    if (click.objectHit) return click.stringSelected ? CMD_MODIFY_TEXT : 0;
    if (click.region != REGION_BODY) return 0;
    int k = click.half ? 2 : 1;
    int limit = click.half ? 15 : 25;
    bool nearBottom = p.y - label.LabelOriginY - label.PageHeight / k < limit;
    if (label.ShowComm && click.page == 1 && nearBottom) return CMD_EDIT_COMMENT;
    return CMD_READ_DISK;
}

LabelRect SheetMapCellRect(int index, int drawOriginX, int drawOriginY) {
    int left = kMapLeft + (drawOriginX - kShellOriginX) + kMapCell * (index % 3);
    int top = kMapTop + (drawOriginY - kShellOriginY) - kMapCell * (index / 3);
    return {left, top, left + kMapCell, top - kMapCell};
}

int SheetMapLabelAt(LabelPoint p, int drawOriginX, int drawOriginY) {
    int x = p.x - (drawOriginX - kShellOriginX), y = p.y - (drawOriginY - kShellOriginY);
    int column = FloorDiv(x - kMapLeft, kMapCell);
    int row = FloorDiv(-(y - kMapTop), kMapCell);
    if (column < 0 || column > 2 || row < 0 || row > 2) return -1;
    return 3 * row + column;
}

SheetCellFill SheetMapCellFill(int index, int currentLabel, bool hasContent) {
    if (index == currentLabel) return CELL_BLACK;
    return hasContent ? CELL_GREY : CELL_WHITE;
}
