#include "shell/view_state.h"

#include "editions/edition.h"
#include "render/page_origin.h"

ViewState g_view;

void PageOrigin(ZIPINFO* label, int page) {
    PageOriginFor(label, TheEdition(), g_view.labelKind, page, g_view.fullSize, g_view.originX, g_view.originY);
}

PlacementContext CurrentPlacement() { return {&TheEdition(), g_view.labelKind, g_view.currentPage}; }

ViewSettings StoredView() { return {g_view.labelKind, g_view.fullSize, g_view.windowScale}; }

void TakeStoredView(const ViewSettings& stored) {
    g_view.labelKind = stored.labelKind;
    g_view.fullSize = stored.fullSize;
    g_view.windowScale = stored.windowScale;
}
