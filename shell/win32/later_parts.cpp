#include "shell/win32/later_parts.h"

bool DriveDialog(HWND, char*) { return false; }
bool ExcludeDialog(HWND) { return false; }
bool SubdirDialog(HWND, ZIPINFO*) { return false; }
bool FilesFoldersDialog(HWND, ZIPINFO*) { return false; }
bool CommentDialog(HWND, ZIPINFO*) { return false; }

bool ChooseLabelColor(HWND, ColorRef*) { return false; }
bool ChooseLabelFont(HWND, FontDesc*, ColorRef*) { return false; }
bool FontsColorsDialog(HWND, ZIPINFO*) { return false; }
bool StringDialog(HWND, ZIPINFO*) { return true; }
bool SpineTextDialog(HWND, ZIPINFO*, int) { return false; }
bool InitialsDialog(HWND) { return false; }
bool ApplyChooserChoice(HWND) { return false; }

