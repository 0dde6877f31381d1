// Placing a picture file on the label, once the user has chosen it.
#pragma once
#include "catalog/zipinfo.h"
#include "document/object_ops.h"

// Remembers the file's folder as "ImagePath", loads the picture and puts it
// at the head of the list above the label on the current page, selected
// and centred. A picture that does not load is reported ("Image Load
// Failure...") and the list stays as it was.
bool InsertPictureFile(ZIPINFO* label, const char* path, const PlacementContext& context);
