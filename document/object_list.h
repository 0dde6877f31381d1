// The placed objects of a label: a contiguous array resized for every
// insertion and removal; element 0 is the selected object when one is, and
// the label's SelectionKind says which kind it is.
#pragma once
#include "record/zipinfo.h"

enum SelectionKind { SELECTED_NOTHING = 0, SELECTED_PICTURE = 1, SELECTED_STRING = 2 };

// Frees every object (and picture bitmaps) of the label; nothing is
// selected after.
void FreeLabelObjects(ZIPINFO* label);

// Puts the object at the head of the list; the list takes over its bitmap.
// False when memory runs out: the list is unchanged and the caller still
// owns the object.
bool InsertObjectAtHead(ZIPINFO* label, const PlacedObject& object);

// Removes element 0, freeing its picture; the array shrinks by one.
void RemoveHeadObject(ZIPINFO* label);

// Moves element index to the head; the elements before it move one back.
void MoveObjectToHead(ZIPINFO* label, int index);

// Selects element index (it becomes element 0 and the selection kind its
// type); an index outside the list clears the selection.
void SelectListObject(ZIPINFO* label, int index);
void ClearObjectSelection(ZIPINFO* label);

// Element 0 when something is selected, else null.
PlacedObject* SelectedObject(ZIPINFO* label);
