#include "document/object_list.h"

#include <cstdlib>
#include <cstring>


void FreeLabelObjects(ZIPINFO* label) {
    for (int i = 0; i < label->NumObjects && label->Objects; ++i) FreeObjectData(&label->Objects[i]);
    std::free(label->Objects);
    label->Objects = nullptr;
    label->NumObjects = 0;
    label->SelectionKind = SELECTED_NOTHING;
}

bool InsertObjectAtHead(ZIPINFO* label, const PlacedObject& object) {
    int count = label->Objects ? label->NumObjects : 0;
    auto* grown = static_cast<PlacedObject*>(std::realloc(label->Objects, sizeof(PlacedObject) * (count + 1)));
    if (!grown) return false;
    std::memmove(grown + 1, grown, sizeof(PlacedObject) * count);
    grown[0] = object;
    label->Objects = grown;
    label->NumObjects = count + 1;
    return true;
}

void RemoveHeadObject(ZIPINFO* label) {
    if (!label->Objects || label->NumObjects <= 0) return;
    FreeObjectData(&label->Objects[0]);
    int count = label->NumObjects - 1;
    std::memmove(label->Objects, label->Objects + 1, sizeof(PlacedObject) * count);
    label->NumObjects = count;
    if (count == 0) {
        std::free(label->Objects);
        label->Objects = nullptr;
        return;
    }
    auto* shrunk = static_cast<PlacedObject*>(std::realloc(label->Objects, sizeof(PlacedObject) * count));
    if (shrunk) label->Objects = shrunk;  // a failed shrink keeps the larger block
}

void MoveObjectToHead(ZIPINFO* label, int index) {
    if (!label->Objects || index <= 0 || index >= label->NumObjects) return;
    PlacedObject moved = label->Objects[index];
    std::memmove(label->Objects + 1, label->Objects, sizeof(PlacedObject) * index);
    label->Objects[0] = moved;
}

void SelectListObject(ZIPINFO* label, int index) {
    label->SelectionKind = SELECTED_NOTHING;
    if (!label->Objects || index < 0 || index >= label->NumObjects) return;
    MoveObjectToHead(label, index);
    int type = label->Objects[0].rec.Type;
    label->SelectionKind = type == OBJECT_STRING ? SELECTED_STRING : SELECTED_PICTURE;
}

void ClearObjectSelection(ZIPINFO* label) { label->SelectionKind = SELECTED_NOTHING; }

PlacedObject* SelectedObject(ZIPINFO* label) {
    if (label->SelectionKind == SELECTED_NOTHING || !label->Objects || label->NumObjects <= 0) return nullptr;
    return &label->Objects[0];
}
