#include "render/win32/font_heights_win32.h"

#include "catalog/labels.h"
#include "editions/edition.h"
#include "render/label_font.h"
#include "render/win32/mapping_win32.h"
#include "render/win32/text_output_win32.h"
#include "render/win32/printer_win32.h"

namespace {

const char* OrNull(const char* text) { return text && *text ? text : nullptr; }

HDC PrinterInformationContext(const PrinterNames& p) {
    return CreateICA(OrNull(p.driver), OrNull(p.name), OrNull(p.port), nullptr);
}

HDC SelectedPrinterContext(PrinterNames* printer) {
    HDC ic = PrinterInformationContext(*printer);
    if (ic) return ic;
    ReadDefaultPrinter(printer);
    return PrinterInformationContext(*printer);
}

void MeasureOn(HDC dc, ZIPINFO* label, bool onlyUnmeasured) {
    struct {
        const FontDesc* font;
        int32_t* height;
    } fonts[] = {{&label->Font, &label->FontHeight},
                 {&label->DirFont, &label->DirFontHeight},
                 {&label->CommFont, &label->CommFontHeight}};
    for (auto& f : fonts) {
        if (onlyUnmeasured && *f.height > 0) continue;
        int height = FontLineHeight(dc, *f.font);
        if (height > 0) *f.height = height;
    }
}

// No printer context at all: heights that were never measured come from
// the display (the stored fonts are in label units, so the cell height is
// the same on any device up to rounding).
void MeasureUnmeasuredOnDisplay(ZIPINFO* const* labels, int count) {
    HDC display = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    if (!display) return;
    for (int i = 0; i < count; ++i) MeasureOn(display, labels[i], true);
    DeleteDC(display);
}

void MeasureLabels(ZIPINFO* const* labels, int count, PrinterNames* printer) {
    HDC ic = SelectedPrinterContext(printer);
    if (!ic) {
        MeasureUnmeasuredOnDisplay(labels, count);
        return;
    }
    for (int i = 0; i < count; ++i) MeasureOn(ic, labels[i], false);
    DeleteDC(ic);
}

// Every label record of the edition (nine on a Wimbrook sheet).
void DefaultIfUnset(HDC dc, double windowScale, FontDesc* font, LabelFontSlot slot, const EditionProfile& edition) {
    if (font->lfHeight != -1) return;
    DefaultFont wanted = DefaultLabelFont(slot, edition);
    MakeDefaultFont(dc, windowScale, wanted.tenthsOfPoint, wanted.styleBits, font);
}

}  // namespace

void MakeDefaultFont(HDC dc, double windowScale, int size, int style, FontDesc* font) {
    int saved = SaveDC(dc);
    SetLabelMapping(dc, windowScale);
    HFONT handle = LabelFont(dc, windowScale, "Arial", size, 0, style, true, 0, font);
    if (handle) DeleteObject(handle);
    RestoreDC(dc, saved);
}

void ApplyDefaultFonts(HDC windowDc, double windowScale, ZIPINFO* labels, int count) {
    const EditionProfile& edition = TheEdition();
    for (int i = 0; i < count; ++i) {
        ZIPINFO* label = &labels[i];
        DefaultIfUnset(windowDc, windowScale, &label->Font, FONT_FILES, edition);
        DefaultIfUnset(windowDc, windowScale, &label->DirFont, FONT_FOLDERS, edition);
        DefaultIfUnset(windowDc, windowScale, &label->CommFont, FONT_COMMENT, edition);
        DefaultIfUnset(windowDc, windowScale, &label->SpineFont, FONT_SPINE, edition);
    }
}

void MeasureMainFontHeights(ZIPINFO* labels, int count, PrinterNames* printer) {
    ZIPINFO* each[kMaxLabels];
    if (count > kMaxLabels) count = kMaxLabels;
    for (int i = 0; i < count; ++i) each[i] = &labels[i];
    MeasureLabels(each, count, printer);
}

void MeasureLabelFontHeights(ZIPINFO* label, PrinterNames* printer) { MeasureLabels(&label, 1, printer); }

void MeasureLabelFontHeightsOn(HDC dc, ZIPINFO* label) { MeasureOn(dc, label, false); }
