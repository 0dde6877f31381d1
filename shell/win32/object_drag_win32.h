// Selecting, moving and resizing placed objects with the mouse on the main
// window: the selection frame with its handles, the rubber band, mouse
// capture and the status-bar texts.
#pragma once
#include <windows.h>

#include "render/label_rect.h"

// Selects element index of the current label's objects (it becomes element
// 0), or clears the selection for an index outside the list.
void SelectPlacedObject(int index);

// The frame of the selected object on a context with the view mapping set;
// nothing when its page is not shown. printing: no clip to the page.
void DrawSelectionFrame(HDC dc, bool printing);

// A left press on the current page (the page already switched): selection,
// "Ready" or the object's position and size, and the start of a move (away
// from the handles, or with Shift or Ctrl) or a resize.
void PressOnPage(HWND window, LabelPoint p, WPARAM keys);

// Mouse move and left release while a drag runs; nothing otherwise.
void DragMouseMove(HWND window, LabelPoint p);
void DragLeftUp(HWND window, LabelPoint p);

// Another window took the mouse capture during a drag: the drag ends, the
// object goes back to where it was and the rubber band is erased.
void DragCaptureLost(HWND window);

// Draws the rubber band again after a paint covered it (paint context).
void RedrawRubberBand(HDC dc);

// Pens kept for the window's life, freed at destruction.
void FreeDragObjects();
