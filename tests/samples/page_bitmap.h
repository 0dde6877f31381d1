// A test canvas (tests/win32/canvas.h) at 100 pixels per inch with the
// label mapping fixed on it, one label unit one pixel, for drawing label
// pages into, probing them and saving them as BMP files.
#pragma once
#include <windows.h>

#include <string>

#include "record/zipinfo.h"
#include "render/win32/page_render_win32.h"
#include "tests/win32/canvas.h"

// A white canvas with the label mapping at 100 pixels per inch (its device
// reports 96 logical pixels per inch); RenderPage draws with that scale as
// the window scale, so that LabelFont's sizes come out exact on it.
Canvas MakePageCanvas(int width, int height);
void FreePageCanvas(Canvas* canvas);

// Writes a 24-bit BMP file; false when it cannot be written.
bool SaveCanvasBmp(const Canvas& canvas, const std::string& path);

// Draws a page of the label with its top-left corner at logical (x, y).
void RenderPage(Canvas* canvas, ZIPINFO* label, const PageDrawing& how, int32_t x, int32_t y);
