// Keeping the shown label and page among those the label kind has, so that
// nothing asks the geometry for a page that does not exist.
#pragma once
#include "editions/profile.h"

// Covers and a Wimbrook sheet have pages 1 and 2, a booklet 1 to kMaxPage.
bool PageExists(int kind, int page);

// The page itself when it exists; otherwise page 1, or the last booklet
// page for a booklet page beyond it.
int PageInRange(int kind, int page);

// Wimbrook's sheet has labels 0 to 8; every other kind only label 0.
int LabelInRange(const EditionProfile& edition, int kind, int label);

// Brings the view state's current label and page into range; true when
// anything changed.
bool BringViewIntoRange(const EditionProfile& edition);

// The page commands of the covers and booklet kinds: the front or back
// cover, or one page back (at least 1) or on (a booklet up to its last
// page; covers to the back cover).
enum PageStep { PAGE_FRONT_COVER, PAGE_BACK_COVER, PAGE_PREVIOUS, PAGE_NEXT };
int PageAfterStep(int kind, int page, PageStep step);

// Whether a page change needs the label painted again: always at full
// size; in the spread view when the spread changed or a selection's frame
// has to go.
bool PageChangeRepaints(bool halfSize, int oldPage, int newPage, bool selectionCleared);

// Go To Page's field: the page number the user sees (the page minus 1),
// read as a decimal number held to 0 to 999, answered as the page (1 to
// 1000). Text without a number keeps the current page.
int PageFromEntry(const char* text, int currentPage);
