// The placed objects of a label: a contiguous array resized for every
// insertion and removal; element 0 is the selected object when one is.
#pragma once
#include "catalog/zipinfo.h"

// Frees every object (and picture bitmaps) of the label.
void FreeLabelObjects(ZIPINFO* label);
