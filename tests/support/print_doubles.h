// A double of the print command's dialog seam: a print dialog that answers
// OK with a context of no printer, a memory context over a white bitmap on
// which StartDoc fails.
#pragma once
#include <windows.h>

#include <cstring>

#include "render/win32/print_dialog_win32.h"

struct PaperlessPrintDialog {
    static constexpr int kSide = 64;
    static inline HBITMAP bitmap = nullptr;
    static inline unsigned char* bits = nullptr;

    static PrintDialogStatus Answer(HWND, int, PrinterChoice*, PrintDialogAnswer* answer) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kSide;
        info.bmiHeader.biHeight = kSide;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* pixels = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        bits = static_cast<unsigned char*>(pixels);
        std::memset(bits, 0xFF, kSide * kSide * 4);
        answer->dc = CreateCompatibleDC(nullptr);
        SelectObject(answer->dc, bitmap);
        return PRINT_DIALOG_OK;
    }
    // Every pixel still white.
    static bool Untouched() {
        GdiFlush();
        for (int i = 0; i < kSide * kSide * 4; ++i)
            if ((i % 4) != 3 && bits[i] != 0xFF) return false;
        return true;
    }
    static void Free() {
        if (bitmap) DeleteObject(bitmap);
        bitmap = nullptr;
        bits = nullptr;
    }
};
