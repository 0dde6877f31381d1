#include "shell/win32/string_measure_win32.h"

#include <windows.h>

#include "document/string_object.h"
#include "record/win32/font_desc_win32.h"
#include "render/win32/mapping_win32.h"
#include "render/win32/text_output_win32.h"
#include "shell/view_state.h"
#include "shell/win32/win_state.h"

namespace {

bool MeasureStringLine(const ObjectRecord& rec, const char* text, int length, TextExtent* out) {
    HWND window = g_win.main && IsWindow(g_win.main) ? g_win.main : nullptr;
    HDC dc = window ? GetDC(window) : CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    if (!dc) return false;
    int saved = SaveDC(dc);
    SetLabelMapping(dc, g_view.windowScale);
    FontDesc font = rec.Font;
    font.lfEscapement = rec.Orientation * 10;
    font.lfOrientation = rec.Orientation * 10;
    font.lfClipPrecision = CLIP_LH_ANGLES;
    HFONT handle = CreateFontIndirectA(AsLogFont(&font));
    bool measured = false;
    if (handle) {
        HGDIOBJ old = SelectObject(dc, handle);
        measured = MeasureText(dc, text, length, rec.Orientation, out);
        SelectObject(dc, old);
        DeleteObject(handle);
    }
    RestoreDC(dc, saved);
    if (window) ReleaseDC(window, dc);
    else DeleteDC(dc);
    return measured;
}

}  // namespace

void InstallStringMeasureHook() { SetStringExtentHook(MeasureStringLine); }
