#include "document/win32/insert_picture_win32.h"

#include <commdlg.h>

#include "document/insert_picture.h"

bool InsertPicture(HWND owner, ZIPINFO* label, const PlacementContext& context, char (&imageFolder)[kImagePathSize]) {
    char path[MAX_PATH] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "Image Files (*.BMP, *.JPG)\0*.bmp;*.jpg\0All Files (*.*)\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrInitialDir = imageFolder[0] ? imageFolder : nullptr;
    dialog.lpstrTitle = "Select Image File...";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameA(&dialog)) return false;
    return InsertPictureFile(label, path, context, imageFolder);
}
