// What a click on the label view means: the page of the spread it falls
// on, the page a click beside the page turns to, the label region it hits,
// the command a double click posts, and Wimbrook's sheet map. Points are
// logical (window) units unless a name says label units.
#pragma once
#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_rect.h"

// The spread of a page: the odd page e + 1 and the even page e + 2, where e
// is page - 1 with its lowest bit cleared.
int SpreadOddPage(int page);
int SpreadEvenPage(int page);

// The page of the current spread under p in the spread view. Kestrin's
// spread lies side by side (even page left of the odd page's left edge),
// Dovantel's one above the other (even page below the top edge of the lower
// page as placed for page 2). A right click exactly on that edge also picks
// the even page.
int ClickedSpreadPage(const EditionProfile& edition, int kind, int page, LabelPoint p, int drawOriginX,
                      int drawOriginY, bool rightButton);

// Full-size view: the page a click beside the page (on no region) turns to;
// label holds the current page's LabelOrigin and PageSize. Wimbrook does
// not turn pages by click: the page stays.
int PageAfterClick(const EditionProfile& edition, int kind, int page, LabelPoint p, const ZIPINFO& label);

enum ClickRegion { REGION_NONE = 0, REGION_BODY = 1, REGION_SPINE = 2 };

// The region of the page under q (label units): the body, then the spine
// and the second spine.
ClickRegion RegionAt(const EditionProfile& edition, int kind, int page, LabelPoint q);

// The command a double click posts, 0 for none. label holds the current
// page's LabelOrigin and PageSize; p is the logical point.
struct DoubleClick {
    bool shift;
    bool objectHit;
    bool stringSelected;
    ClickRegion region;
    int page;
    bool half;  // spread view
};
int DoubleClickCommand(const DoubleClick& click, const ZIPINFO& label, LabelPoint p);

// Wimbrook's map of the sheet: nine 20 x 20 cells beside the label, row by
// row. Placed relative to the drawing origin so that the toolbar never
// covers it.
enum SheetCellFill { CELL_WHITE = 0, CELL_GREY = 1, CELL_BLACK = 2 };
LabelRect SheetMapCellRect(int index, int drawOriginX, int drawOriginY);
// The label whose cell holds p, -1 outside the map.
int SheetMapLabelAt(LabelPoint p, int drawOriginX, int drawOriginY);
// Black for the current label, grey for a label with entries or objects.
SheetCellFill SheetMapCellFill(int index, int currentLabel, bool hasContent);
