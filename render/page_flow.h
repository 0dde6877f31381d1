// How the catalog flows over the pages of a label: how many entries each
// page holds at true size, the first entry each page shows, and how many
// booklet sheets a print job needs.
#pragma once
#include "editions/profile.h"
#include "record/zipinfo.h"
#include "render/label_geometry.h"

// Entries the page holds at true size: its catalog body region (which the
// geometry settings inset in Wimbrook), the label's column count, line
// heights and the objects that push text aside. A page outside the kind's
// range holds none.
int PageCapacityAt(const ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                   int page);

// Index of the first entry shown on the page: the capacity of the pages
// before it in the flow.
int FirstEntryOfPage(const ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                     int page);

// Booklet sheets to print (two pages a sheet, the covers on the first):
// enough for the entries to show and for every placed object's page.
// singleSheet: the caller prints one cover only.
int BookletSheetCount(ZIPINFO* label, const EditionProfile& edition, const GeometrySettings& geometry, int kind,
                      bool singleSheet);
