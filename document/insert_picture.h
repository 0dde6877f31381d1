// Placing a picture file on the label, once the user has chosen it, and
// the folder the next choice starts in.
#pragma once
#include "document/object_ops.h"
#include "record/zipinfo.h"

// "ImagePath": the folder "Select Image File..." starts in, which becomes
// the folder of the last picture chosen. It is the program setting of the
// same name (ProgramSettings::ImagePath), loaded and saved with the others.
constexpr int kImagePathSize = 511;  // at most 510 characters

// Remembers the file's folder in imageFolder, loads the picture and puts it
// at the head of the list above the label on the current page, selected
// and centred. A picture that does not load is reported ("Image Load
// Failure...") and the list stays as it was.
bool InsertPictureFile(ZIPINFO* label, const char* path, const PlacementContext& context,
                       char (&imageFolder)[kImagePathSize]);

// imageFolder becomes the chosen path up to and including its last
// backslash; empty when it has none.
void RememberImageFolder(const char* chosenPath, char (&imageFolder)[kImagePathSize]);
