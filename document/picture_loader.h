// Loading a BMP or JPEG file into a picture record: the packed bitmap the
// record owns, its file header and its natural and placement rectangles.
#pragma once
#include <cstdio>

#include "record/placed_object.h"

// Whether the path goes to the JPEG decoder: its upper-case form contains
// ".JPG" anywhere.
bool PathIsJpeg(const char* path);

// Sets type 1 and the file name, then loads the file (JPEG or BMP by the
// name). On failure the object owns no bitmap; nothing is reported here.
bool LoadPicture(const char* path, PlacedObject* object);

// The two decoders on an open file positioned at its start.
bool LoadBmpStream(FILE* file, PlacedObject* object);
bool LoadJpegStream(FILE* file, PlacedObject* object);
