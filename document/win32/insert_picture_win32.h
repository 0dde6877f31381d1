// "Insert &Image": the open-file dialog, then the picture placed on the
// label.
#pragma once
#include <windows.h>

#include "document/insert_picture.h"
#include "document/object_ops.h"
#include "record/zipinfo.h"

// Returns true when a picture was placed on the context's page (the label
// is then modified). The dialog starts in imageFolder, which takes the
// chosen file's folder.
bool InsertPicture(HWND owner, ZIPINFO* label, const PlacementContext& context, char (&imageFolder)[kImagePathSize]);
