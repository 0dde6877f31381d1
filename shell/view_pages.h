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
