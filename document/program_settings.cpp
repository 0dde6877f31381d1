#include "document/program_settings.h"

ProgramSettings g_settings;

const char* const kWindowKeyNames[WINDOW_KEY_COUNT] = {
    "MainWindow",  "ColorWindow",  "FontWindow",       "ExtWindow",      "AboutWindow",      "DriveWindow",
    "SubdirWindow", "LabelWindow", "CommentWindow",    "StringWindow",   "DirtyWindow",      "PrintSetupWindow",
    "GotoPageWindow", "ChangeFileWindow", "InitialsWindow", "ExcludeWindow", "DummyWindow",
};

void ClearCustomColors() {
    for (ColorRef& c : g_settings.CustColors) c = 0;
}
