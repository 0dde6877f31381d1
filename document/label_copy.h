// Whole label records: clearing one, and copying one label of a sheet onto
// another, its look alone ("&Duplicate Format") or all of it ("Re&plicate
// Label"). Every copy's target keeps its own ordinal and page placement,
// owns what it gets (nothing is shared with the source) and lays itself
// out again.
#pragma once
#include "record/zipinfo.h"

// Frees the catalog tree, placed objects, extension styles and layout cache;
// zeroes the counts and space figures, empties VolumeName and sets both
// dates to today. Comment and the display settings stay.
void ClearLabel(ZIPINFO* label);

// ClearLabel on each of the count records: catalogs, placed objects,
// extension styles and layout caches freed, dates set to today.
void ClearAllLabelRecords(ZIPINFO* labels, int count);

// Sorting, columns, display switches, the four fonts with their colours and
// line heights, the spine's alignment and logo colour, and the extension
// styles. False (the target's styles unchanged) when memory runs out.
bool CopyLook(const ZIPINFO& from, ZIPINFO* to);

// The target cleared, then a copy of everything of the source: look,
// texts, disk facts, catalog tree, extension styles and placed objects
// with their pictures. False when memory runs out; the target then holds
// what was copied before. Copying a label onto itself does nothing.
bool ReplicateLabel(const ZIPINFO& from, ZIPINFO* to);
