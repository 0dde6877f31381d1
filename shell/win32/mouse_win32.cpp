#include "shell/win32/mouse_win32.h"

#include "catalog/labels.h"
#include "document/object_list.h"
#include "editions/edition.h"
#include "render/page_origin.h"
#include "editions/command_ids.h"
#include "shell/object_drag.h"
#include "shell/object_hit_test.h"
#include "shell/page_clicks.h"
#include "shell/view_pages.h"
#include "shell/view_points.h"
#include "shell/view_state.h"
#include "shell/win32/label_view_win32.h"
#include "shell/win32/menu_refresh_win32.h"
#include "shell/win32/menus_win32.h"
#include "shell/win32/object_drag_win32.h"
#include "shell/win32/view_dc_win32.h"
#include "shell/win32/win_state.h"

namespace {

bool Floppy() { return TheEdition().id == EDITION_WIMBROOK; }

// The label index a page switch keeps: Wimbrook's current label of the
// sheet, label 0 everywhere else.
int SwitchLabel() { return Floppy() ? CurrentLabelIndex() : 0; }

// The current page placed, and p in its label units.
LabelPoint PlaceCurrentPage(LabelPoint p) {
    BringViewIntoRange(TheEdition());
    PageOrigin(g_currentLabel, g_view.currentPage);
    return LogicalToPageUnits(p, *g_currentLabel, HalfSizeView());
}

// Whether q (label units) lies on the page itself.
bool OnPage(const ZIPINFO& label, LabelPoint q) {
    return RectContainsPoint({0, 0, label.PageWidth, label.PageHeight}, q);
}

}  // namespace

void OnLeftButtonDown(HWND window, int x, int y, WPARAM keys) {
    if (!g_view.paintingEnabled) return;
    const EditionProfile& edition = TheEdition();
    LabelPoint p = ClientToLogical(window, x, y);
    LabelPoint q = PlaceCurrentPage(p);
    ZIPINFO* label = g_currentLabel;
    int page = g_view.currentPage;
    if (HitTestObjects(p) < 0) {
        if (Floppy()) {
            int cell = SheetMapLabelAt(p, g_view.originX, g_view.originY);
            if (g_view.labelKind == KIND_SHEET && !OnPage(*label, q) && cell >= 0) {
                ClearObjectSelection(g_currentLabel);
                SwitchPage(cell, 1);
                RequestRepaint();
                return;
            }
        } else if (g_view.fullSize && RegionAt(edition, g_view.labelKind, page, q) == REGION_NONE) {
            int next = PageAfterClick(edition, g_view.labelKind, page, p, *label);
            ClearObjectSelection(g_currentLabel);
            SwitchPage(0, next);
            RequestRepaint();
            return;
        }
    }
    int clicked = page;
    if (HalfSizeView())
        clicked = ClickedSpreadPage(edition, g_view.labelKind, page, p, g_view.originX, g_view.originY, false);
    SwitchPage(SwitchLabel(), clicked);
    PressOnPage(window, p, keys);
}

void OnLeftDoubleClick(HWND window, int x, int y, WPARAM keys) {
    if (!g_view.paintingEnabled) return;
    LabelPoint p = ClientToLogical(window, x, y);
    LabelPoint q = PlaceCurrentPage(p);
    const ZIPINFO& label = *g_currentLabel;
    DoubleClick click = {};
    click.shift = (keys & MK_SHIFT) != 0;
    click.objectHit = HitTestObjects(p) >= 0;
    click.stringSelected = g_currentLabel->SelectionKind == SELECTED_STRING;
    click.region = click.objectHit ? REGION_NONE : RegionAt(TheEdition(), g_view.labelKind, g_view.currentPage, q);
    click.page = g_view.currentPage;
    click.half = HalfSizeView();
    int command = DoubleClickCommand(click, label, p);
    if (command) PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void OnRightButtonDown(HWND window, int x, int y, WPARAM) {
    if (!g_view.paintingEnabled || g_drag.DragMode != DRAG_NONE) return;
    const EditionProfile& edition = TheEdition();
    LabelPoint p = ClientToLogical(window, x, y);
    PlaceCurrentPage(p);
    int clicked = g_view.currentPage;
    if (HalfSizeView())
        clicked = ClickedSpreadPage(edition, g_view.labelKind, clicked, p, g_view.originX, g_view.originY, true);
    SwitchPage(SwitchLabel(), clicked);
    LabelPoint q = PlaceCurrentPage(p);
    ZIPINFO* label = g_currentLabel;
    int page = g_view.currentPage;

    for (HMENU menu : {g_menus.bodyPopup, g_menus.spinePopup, g_menus.pagePopup}) RefreshPopup(menu, label);

    HMENU popup = g_menus.pagePopup;
    int hit = HitTestObjects(p);
    if (hit >= 0) {
        SelectPlacedObject(hit);
        PageOrigin(label, page);
        const ObjectRecord& rec = label->Objects[0].rec;
        popup = rec.Type == OBJECT_STRING ? g_menus.stringPopup : g_menus.imagePopup;
        RefreshPopup(popup, label);
    } else {
        ClickRegion region = RegionAt(edition, g_view.labelKind, page, q);
        if (region == REGION_BODY) popup = g_menus.bodyPopup;
        else if (region == REGION_SPINE) popup = g_menus.spinePopup;
    }
    if (!popup) return;
    POINT screen = {x, y};
    ClientToScreen(window, &screen);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, screen.x, screen.y, 0, window, nullptr);
}
