// The shell's process-wide view state: plain data, one instance. Window
// handles and other Win32 objects live beside it in shell/win32/win_state.h.
#pragma once
#include <string>

#include "shell/printer_names.h"

// Geometry kinds (settings key "Labels").
enum LabelKindCode { KIND_COVERS = 10, KIND_BOOKLET = 12, KIND_SHEET = 23 };

struct ViewState {
    std::string commandLine;   // raw text as received at entry
    std::string commandLineFile;  // file of a posted command-line request
    double windowScale = 1.0;  // 0.5 .. 1.5
    int fullSize = 0;          // 1 full-size view, 0 spread view
    int labelKind = KIND_COVERS;
    int currentLabel = 0;
    int currentPage = 1;
    // Drawing origin in logical units: x 7, y -6 minus the toolbar height.
    int originX = 7;
    int originY = -6;
    int savedX = 0;            // saved main-window position, screen pixels
    int savedY = 0;
    int paintingEnabled = 0;   // 0 until the settings are loaded
    int paletteDevice = 0;
    int modified = 0;
    int selectionKind = 0;     // 0 nothing, 1 a picture, 2 a string (element 0)
    // The label's name in the title: "default" until a body file is opened
    // or saved; may hold a path (only its part after the last backslash shows).
    std::string labelName = "default";
    PrinterNames printer = {};
};

extern ViewState g_view;
