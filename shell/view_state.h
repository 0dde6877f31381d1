// The shell's process-wide view state: plain data, one instance. Window
// handles and other Win32 objects live beside it in shell/win32/win_state.h.
#pragma once
#include <string>

#include "document/object_ops.h"
#include "document/settings.h"
#include "record/zipinfo.h"
#include "render/label_geometry.h"

struct ViewState {
    std::string commandLine;   // raw text as received at entry
    std::string commandLineFile;  // file of a posted command-line request
    double windowScale = 1.0;  // 0.5 .. 1.5
    int fullSize = 0;          // 1 full-size view, 0 spread view
    int labelKind = KIND_COVERS;
    int currentPage = 1;
    // Drawing origin in logical units: x 7, y -6 minus the toolbar height.
    int originX = 7;
    int originY = -6;
    int paintingEnabled = 0;   // 0 until the settings are loaded
    int paletteDevice = 0;
    int modified = 0;
    // The label's name in the title: "default" until a body file is opened
    // or saved; may hold a path (only its part after the last backslash shows).
    std::string labelName = "default";
    // The body file "&Save" writes: empty until one is opened or saved.
    std::string bodyPath;
    // Dovantel's template file, a value of its own: no template command
    // changes the body file.
    std::string templatePath;
};

extern ViewState g_view;

// The view's own page geometry for the core functions that take it as
// arguments: PageOriginFor with this edition, kind, view and drawing
// origin, and the placement context of the page shown.
void PageOrigin(ZIPINFO* label, int page);
PlacementContext CurrentPlacement();

// The part of the view the settings store keeps, and taking it back.
ViewSettings StoredView();
void TakeStoredView(const ViewSettings& stored);
