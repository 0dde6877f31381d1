// The label fonts' defaults and the line heights of the catalog fonts,
// measured on the selected printer so that the number of lines on a label
// does not change with the zoom or the screen.
#pragma once
#include <windows.h>

#include "record/zipinfo.h"
#include "render/printer_names.h"

// Start-up: every label font still unset (height -1) gets its default,
// built on the window's device context (Arial 8 pt for files and the
// comment, 8 pt bold for folders, 14 pt for the spine; Wimbrook's spine
// 8 pt bold) at the window scale. labels: the count label records.
void ApplyDefaultFonts(HDC windowDc, double windowScale, ZIPINFO* labels, int count);

// The default of one font built on a device context.
void MakeDefaultFont(HDC dc, double windowScale, int size, int style, FontDesc* font);

// FontHeight, DirFontHeight and CommFontHeight of the count labels,
// measured on an information context of the selected printer (re-reading
// the default printer into it when that fails). When no context can be made the previous
// heights stay, except that heights never measured are taken from the
// display so that the layout always has a line height.
void MeasureMainFontHeights(ZIPINFO* labels, int count, PrinterNames* printer);

// The same for one label.
void MeasureLabelFontHeights(ZIPINFO* label, PrinterNames* printer);

// The three heights of a label measured on a given device (a print job's).
void MeasureLabelFontHeightsOn(HDC dc, ZIPINFO* label);
