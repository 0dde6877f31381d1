// Program-wide settings kept in the store that belong to no label record:
// spine logo texts, template use, background, the printer and the print
// placement, paths, window positions, custom colours, hidden hints and
// recent files. The shell's view keeps "Labels", "Zoom" and "WindScale"
// (document/settings.h); the scan settings (catalog/scan_settings.h) hold
// the drive and the scan choices.
#pragma once
#include <cstdint>

#include "base/window_positions.h"
#include "record/font_desc.h"
#include "render/print_setup.h"
#include "render/printer_names.h"

extern const char* const kWindowKeyNames[WINDOW_KEY_COUNT];  // "MainWindow", ...

constexpr int kCustomColorCount = 16;
constexpr int kHintCount = 32;
constexpr int kRecentCount = 5;

struct ProgramSettings {
    char Initials[64];          // spine logo text, at most 63
    char Number[8];             // capacity text under the logo, at most 7
    int32_t UseDAT;             // read a disk's template file after a scan
    ColorRef BackColor = 0xFFFFFF;  // main window around the label
    int32_t CropMarks;
    int32_t Border;             // 0 solid ... 4 dash-dot-dot, 5 none
    int32_t OrigPosition = 1;   // fixed print placement
    int32_t MultiPage;          // each cover on its own sheet
    int32_t Separate;           // space between labels
    double NewPosX, NewPosY;    // inches
    double NewPosX2, NewPosY2;  // inches
    double SideMargin = 0.100;  // inches
    char ImagePath[511];        // at most 510
    char LabelPath[511];
    PrinterNames Printer;        // the selected printer: the system default until one is chosen
    int32_t PrinterOrientation;  // 1 portrait, 2 landscape
    int32_t PrinterPaperSize;    // -1: the printer's own
    ScreenPosition Windows[WINDOW_KEY_COUNT];
    ColorRef CustColors[kCustomColorCount];
    int32_t HideDummy[kHintCount];  // 1: hint n is hidden
    char Recent[kRecentCount][256];  // most recent first, at most 255 each
};

extern ProgramSettings g_settings;

// The colour chooser's custom colours all black (main window creation).
void ClearCustomColors(ProgramSettings* settings);

// The placement a print job uses.
PrintPlacement PlacementFrom(const ProgramSettings& settings);
// What the Printer Setup dialog edits, and its OK.
PrintSetupValues PrintSetupFrom(const ProgramSettings& settings);
void StorePrintSetup(const PrintSetupValues& values, ProgramSettings* settings);
