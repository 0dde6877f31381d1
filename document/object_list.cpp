#include "document/object_list.h"

#include <cstdlib>

void FreeLabelObjects(ZIPINFO* label) {
    for (int i = 0; i < label->NumObjects && label->Objects; ++i) FreeObjectData(&label->Objects[i]);
    std::free(label->Objects);
    label->Objects = nullptr;
    label->NumObjects = 0;
}
