// The label view of the main window: the painting of the label (full-size
// view, spread view, Wimbrook's single label and sheet map, the page
// markers) and the switch of the current label and page with the spread
// view's red highlight.
#pragma once
#include <windows.h>

// Draws the label view on the paint context (painting enabled).
void PaintLabelView(HDC dc);

// Makes label L, page P current (brought into the kind's range), moves the
// spread highlight, sets the title and refreshes menus and toolbar.
void SwitchPage(int label, int page);

// Drawing objects kept for the window's life, freed at destruction.
void FreeLabelViewObjects();
