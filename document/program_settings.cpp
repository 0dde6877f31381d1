#include "document/program_settings.h"

#include "document/settings_bounds.h"

ProgramSettings g_settings;

const char* const kWindowKeyNames[WINDOW_KEY_COUNT] = {
    "MainWindow",  "ColorWindow",  "FontWindow",       "ExtWindow",      "AboutWindow",      "DriveWindow",
    "SubdirWindow", "LabelWindow", "CommentWindow",    "StringWindow",   "DirtyWindow",      "PrintSetupWindow",
    "GotoPageWindow", "ChangeFileWindow", "InitialsWindow", "ExcludeWindow", "DummyWindow",
};

void ClearCustomColors(ProgramSettings* settings) {
    for (ColorRef& c : settings->CustColors) c = 0;
}

PrintPlacement PlacementFrom(const ProgramSettings& s) {
    PrintPlacement p;
    p.origPosition = s.OrigPosition != 0;
    p.separate = s.Separate != 0;
    p.multiPage = s.MultiPage != 0;
    p.cropMarks = s.CropMarks != 0;
    p.newPosX = s.NewPosX;
    p.newPosY = s.NewPosY;
    p.newPosX2 = s.NewPosX2;
    p.newPosY2 = s.NewPosY2;
    return p;
}

PrintSetupValues PrintSetupFrom(const ProgramSettings& s) {
    PrintSetupValues v;
    v.placement = PlacementFrom(s);
    v.border = ClampInt(s.Border, 0, 5);
    v.sideMargin = s.SideMargin;
    return v;
}

void StorePrintSetup(const PrintSetupValues& v, ProgramSettings* s) {
    const PrintPlacement& p = v.placement;
    s->CropMarks = p.cropMarks;
    s->OrigPosition = p.origPosition;
    s->Separate = p.separate;
    s->MultiPage = p.multiPage;
    s->NewPosX = p.newPosX;
    s->NewPosY = p.newPosY;
    s->NewPosX2 = p.newPosX2;
    s->NewPosY2 = p.newPosY2;
    s->Border = ClampInt(v.border, 0, 5);
    s->SideMargin = v.sideMargin;
}
