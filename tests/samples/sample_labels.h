// Sample labels built in code, one per edition, for the page drawing tests,
// the renderlabel tool and people who want to look at a page: a deep
// folder tree, names longer than their cells, extension styles (two of
// them matching "txt"), pictures and strings in all three layers, rotated
// and boxed strings, the spine title and logo, the comment.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_rect.h"

// Label fonts in label units (hundredths of an inch): 8 pt is 11 units.
FontDesc SampleFont(int32_t height, int32_t weight, bool italic);

// A label with the look the samples start from: Arial 8 pt files and
// comment, 8 pt bold folders, 14 pt spine, line heights 13, three columns,
// sizes, extensions, comment and lines on, the edition's format. The
// label is cleared (any catalog and objects freed) first.
void PrepareSampleLook(ZIPINFO* label, const EditionProfile& edition);

// Entries named from a pattern: "%d" takes the index ("file%03d.txt").
void FillSampleList(ZIPINFO* list, int count, const char* pattern);
// Entries with the given names, sizes "12 KB" and so on.
void FillNamedList(ZIPINFO* list, const std::vector<std::string>& names);
// Makes the entry a folder with a child list of the given names.
ZIPINFO* MakeSampleFolder(CatalogEntry* entry, const std::vector<std::string>& names, int open);

// A 24-bit picture made in code (diagonal bands of the two colours with a
// dark frame), as the image loader would have placed it.
void MakeSamplePicture(PlacedObject* object, int width, int height, ColorRef a, ColorRef b);

// Adds a picture or a string to the label (at the head of its list).
void AddSamplePicture(ZIPINFO* label, int page, int layer, const LabelRect& rect, ColorRef a, ColorRef b);
void AddSampleString(ZIPINFO* label, int page, int layer, const LabelRect& rect, const char* text,
                     int orientation, bool filled, ColorRef textColor, ColorRef backColor);

// The full sample label of an edition (Wimbrook: label index 0..8 of a
// sheet, each a little different).
void BuildSampleLabel(ZIPINFO* label, const EditionProfile& edition, int index = 0);
