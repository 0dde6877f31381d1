#include "render/win32/print_dialog_win32.h"

#include <commdlg.h>

#include <cmath>
#include <cstring>

#include "base/text_field.h"

namespace {

// The device mode of the last dialog, owned here for the rest of the run.
HGLOBAL g_keptDeviceMode = nullptr;
PrintDialogHook g_dialogHook = nullptr;

HGLOBAL MakeDevNames(const PrinterNames& n) {
    size_t driver = std::strlen(n.driver) + 1, device = std::strlen(n.name) + 1, port = std::strlen(n.port) + 1;
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + driver + device + port);
    if (!handle) return nullptr;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(handle));
    char* base = reinterpret_cast<char*>(names);
    names->wDriverOffset = sizeof(DEVNAMES);
    names->wDeviceOffset = static_cast<WORD>(names->wDriverOffset + driver);
    names->wOutputOffset = static_cast<WORD>(names->wDeviceOffset + device);
    std::memcpy(base + names->wDriverOffset, n.driver, driver);
    std::memcpy(base + names->wDeviceOffset, n.name, device);
    std::memcpy(base + names->wOutputOffset, n.port, port);
    GlobalUnlock(handle);
    return handle;
}

// The dialog's names (all three: the port too) into the choice; frees them.
void TakeDevNames(HGLOBAL handle, PrinterNames* out) {
    if (!handle) return;
    if (auto* names = static_cast<DEVNAMES*>(GlobalLock(handle))) {
        const char* base = reinterpret_cast<const char*>(names);
        CopyField(out->driver, base + names->wDriverOffset);
        CopyField(out->name, base + names->wDeviceOffset);
        CopyField(out->port, base + names->wOutputOffset);
        GlobalUnlock(handle);
    }
    GlobalFree(handle);
}

// A device mode of the printer's driver carrying the chosen orientation
// and paper size; null when the printer cannot be opened.
HGLOBAL NewDeviceMode(HWND owner, const PrinterChoice& choice) {
    HANDLE printer = nullptr;
    char name[sizeof choice.names.name];
    CopyField(name, choice.names.name);
    if (!name[0] || !OpenPrinterA(name, &printer, nullptr)) return nullptr;
    HGLOBAL handle = nullptr;
    LONG size = DocumentPropertiesA(owner, printer, name, nullptr, nullptr, 0);
    if (size >= static_cast<LONG>(sizeof(DEVMODEA))) handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* mode = handle ? static_cast<DEVMODEA*>(GlobalLock(handle)) : nullptr;
    if (mode && DocumentPropertiesA(owner, printer, name, mode, nullptr, DM_OUT_BUFFER) == IDOK) {
        mode->dmFields |= DM_ORIENTATION;
        mode->dmOrientation = static_cast<short>(choice.orientation == DMORIENT_LANDSCAPE ? DMORIENT_LANDSCAPE
                                                                                            : DMORIENT_PORTRAIT);
        if (choice.paperSize > 0) {
            mode->dmFields |= DM_PAPERSIZE;
            mode->dmPaperSize = static_cast<short>(choice.paperSize);
        }
        mode->dmFields |= DM_COPIES;
        mode->dmCopies = 1;
        DocumentPropertiesA(owner, printer, name, mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);
        GlobalUnlock(handle);
    } else if (handle) {
        if (mode) GlobalUnlock(handle);
        GlobalFree(handle);
        handle = nullptr;
    }
    ClosePrinter(printer);
    return handle;
}

// The device mode handed to a dialog: the kept one when it belongs to the
// chosen printer, else a new one. The dialog owns it until it returns.
HGLOBAL DeviceModeFor(HWND owner, const PrinterChoice& choice) {
    if (g_keptDeviceMode) {
        bool same = false;
        if (auto* mode = static_cast<DEVMODEA*>(GlobalLock(g_keptDeviceMode))) {
            same = std::strncmp(reinterpret_cast<const char*>(mode->dmDeviceName), choice.names.name,
                                CCHDEVICENAME - 1) == 0;
            GlobalUnlock(g_keptDeviceMode);
        }
        HGLOBAL kept = g_keptDeviceMode;
        g_keptDeviceMode = nullptr;
        if (same) return kept;
        GlobalFree(kept);
    }
    return NewDeviceMode(owner, choice);
}

// Keeps the dialog's device mode (it may have replaced the one handed in)
// and reads the orientation, paper size and copies from it; the kept mode
// and the context made from it print one copy each.
int KeepDeviceMode(HGLOBAL handle, PrinterChoice* choice, HDC dc, int copies) {
    g_keptDeviceMode = handle;
    auto* mode = handle ? static_cast<DEVMODEA*>(GlobalLock(handle)) : nullptr;
    if (!mode) return copies;
    if (mode->dmFields & DM_ORIENTATION) choice->orientation = mode->dmOrientation;
    if (mode->dmFields & DM_PAPERSIZE) choice->paperSize = mode->dmPaperSize;
    if ((mode->dmFields & DM_COPIES) && mode->dmCopies > copies) copies = mode->dmCopies;
    if (mode->dmFields & DM_COPIES) mode->dmCopies = 1;
    if (dc) ResetDCA(dc, mode);
    GlobalUnlock(handle);
    return copies;
}

PrintDialogStatus RunDialog(HWND owner, DWORD flags, int sheets, PrinterChoice* choice, PrintDialogAnswer* answer) {
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner;
    pd.hDevMode = DeviceModeFor(owner, *choice);
    pd.hDevNames = MakeDevNames(choice->names);
    pd.Flags = flags | PD_NOSELECTION | (sheets <= 1 ? PD_NOPAGENUMS : 0);
    pd.nMinPage = 1;
    pd.nMaxPage = static_cast<WORD>(sheets < 1 ? 1 : (sheets > 0xFFFF ? 0xFFFF : sheets));
    pd.nFromPage = 1;
    pd.nToPage = pd.nMaxPage;
    pd.nCopies = 1;
    BOOL ok = PrintDlgA(&pd);
    DWORD error = ok ? 0 : CommDlgExtendedError();
    if (!ok) {
        // The handles stay valid and unchanged: the kept mode goes back.
        g_keptDeviceMode = pd.hDevMode;
        if (pd.hDevNames) GlobalFree(pd.hDevNames);
        if (answer) answer->error = error;
        return error == 0 ? PRINT_DIALOG_CANCELLED : PRINT_DIALOG_FAILED;
    }
    TakeDevNames(pd.hDevNames, &choice->names);
    int copies = KeepDeviceMode(pd.hDevMode, choice, pd.hDC, pd.nCopies < 1 ? 1 : pd.nCopies);
    if (answer) {
        answer->dc = pd.hDC;
        answer->copies = copies;
        answer->fromSheet = 1;
        answer->toSheet = pd.nMaxPage;
        if (pd.Flags & PD_PAGENUMS) {
            answer->fromSheet = pd.nFromPage;
            answer->toSheet = pd.nToPage;
        }
        ClampSheetRange(sheets, &answer->fromSheet, &answer->toSheet);
    } else if (pd.hDC) {
        DeleteDC(pd.hDC);
    }
    return PRINT_DIALOG_OK;
}

}  // namespace

PrintDialogStatus RunPrintDialog(HWND owner, int sheets, PrinterChoice* choice, PrintDialogAnswer* answer) {
    *answer = PrintDialogAnswer();
    if (g_dialogHook) return g_dialogHook(owner, sheets, choice, answer);
    return RunDialog(owner, PD_RETURNDC, sheets, choice, answer);
}

PrintDialogStatus RunPrintSetupDialog(HWND owner, PrinterChoice* choice) {
    return RunDialog(owner, PD_PRINTSETUP | PD_NOPAGENUMS, 1, choice, nullptr);
}

void SetPrintDialogHook(PrintDialogHook hook) { g_dialogHook = hook; }

HGLOBAL CopyKeptDeviceMode() {
    if (!g_keptDeviceMode) return nullptr;
    SIZE_T size = GlobalSize(g_keptDeviceMode);
    HGLOBAL copy = size ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    if (!copy) return nullptr;
    void* from = GlobalLock(g_keptDeviceMode);
    void* to = GlobalLock(copy);
    if (from && to) std::memcpy(to, from, size);
    GlobalUnlock(copy);
    GlobalUnlock(g_keptDeviceMode);
    return copy;
}

void RestoreKeptDeviceMode(HGLOBAL copy) {
    ForgetKeptDeviceMode();
    g_keptDeviceMode = copy;
}

void ForgetKeptDeviceMode() {
    if (g_keptDeviceMode) GlobalFree(g_keptDeviceMode);
    g_keptDeviceMode = nullptr;
}

HDC CreatePrinterContext(const PrinterChoice& choice) {
    HGLOBAL handle = NewDeviceMode(nullptr, choice);
    if (!handle) return nullptr;
    HDC dc = nullptr;
    if (auto* mode = static_cast<DEVMODEA*>(GlobalLock(handle))) {
        dc = CreateDCA(nullptr, choice.names.name, nullptr, mode);
        GlobalUnlock(handle);
    }
    GlobalFree(handle);
    return dc;
}

bool PrinterExists(const PrinterNames& names) {
    char name[sizeof names.name];
    CopyField(name, names.name);
    HANDLE printer = nullptr;
    if (!name[0] || !OpenPrinterA(name, &printer, nullptr)) return false;
    ClosePrinter(printer);
    return true;
}

PrintableArea PrintableAreaOf(HDC dc) {
    PrintableArea area;
    int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    if (dpiX <= 0 || dpiY <= 0) return area;
    auto units = [](int pixels, int dpi) { return static_cast<int32_t>(std::lround(pixels * 100.0 / dpi)); };
    area.width = units(GetDeviceCaps(dc, HORZRES), dpiX);
    area.height = units(GetDeviceCaps(dc, VERTRES), dpiY);
    area.offset = {units(GetDeviceCaps(dc, PHYSICALOFFSETX), dpiX), units(GetDeviceCaps(dc, PHYSICALOFFSETY), dpiY)};
    return area;
}
