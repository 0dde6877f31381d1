#include "document/label_copy.h"

#include <cstdlib>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "catalog/dates.h"
#include "catalog/labels.h"
#include "document/look_schema.h"
#include "document/object_list.h"

void ClearLabel(ZIPINFO* label) {
    FreeCatalog(label);
    FreeLabelObjects(label);
    PutStyles(label, nullptr, 0);
    FreeLayoutCache(&label->Layout);
    label->NumFiles = 0;
    label->NumFolders = 0;
    label->SpaceUsed = 0;
    label->SpaceFree = 0;
    label->SpaceTotal = 0;
    InvalidateLayout(label);
    label->VolumeName[0] = '\0';
    TodayDates(label->ShortDate, 64, label->LongDate, 64);
}

void ClearAllLabelRecords(ZIPINFO* labels, int count) {
    for (int i = 0; i < count; ++i) ClearLabel(&labels[i]);
}

namespace {

bool CopyObjects(const ZIPINFO& from, ZIPINFO* to) {
    // Inserted at the head from the last to the first, so the order stays.
    for (int i = from.NumObjects - 1; i >= 0 && from.Objects; --i) {
        PlacedObject copy = from.Objects[i];
        if (copy.bitmap) {
            copy.bitmap = static_cast<uint8_t*>(std::malloc(copy.bitmapSize ? copy.bitmapSize : 1));
            if (!copy.bitmap) return false;
            std::memcpy(copy.bitmap, from.Objects[i].bitmap, copy.bitmapSize);
            copy.bits = from.Objects[i].bits ? copy.bitmap + (from.Objects[i].bits - from.Objects[i].bitmap) : nullptr;
        }
        if (!InsertObjectAtHead(to, copy)) {
            std::free(copy.bitmap);
            return false;
        }
    }
    return true;
}

}  // namespace

bool CopyLook(const ZIPINFO& from, ZIPINFO* to) {
    if (&from == to) return true;
    if (!CopyStyles(from, to)) return false;
    CopyCarriedFields(from, to, CARRY_DUPLICATE);
    // The order may have changed: sorted again under the new keys.
    SortCatalog(to);
    InvalidateLayout(to);
    return true;
}

bool ReplicateLabel(const ZIPINFO& from, ZIPINFO* to) {
    if (&from == to) return true;
    ClearLabel(to);
    ZIPINFO kept = *to;  // ordinal, placement and the (empty) layout cache
    std::memcpy(to, &from, sizeof *to);
    to->LabelNumber = kept.LabelNumber;
    to->LabelOriginX = kept.LabelOriginX;
    to->LabelOriginY = kept.LabelOriginY;
    to->PageWidth = kept.PageWidth;
    to->PageHeight = kept.PageHeight;
    to->Layout = kept.Layout;
    InvalidateLayout(to);
    to->Entries = nullptr;
    to->NumEntries = 0;
    to->Objects = nullptr;
    to->NumObjects = 0;
    to->SelectionKind = 0;
    to->ExtStyles = nullptr;
    to->NumExtStyles = 0;

    if (from.NumEntries > 0 && from.Entries) {
        ZIPINFO* tree = DuplicateCatalog(&from);
        if (!tree) return false;
        to->Entries = tree->Entries;
        to->NumEntries = tree->NumEntries;
        tree->Entries = nullptr;
        tree->NumEntries = 0;
        DeleteCatalogList(tree);
    }
    return CopyStyles(from, to) && CopyObjects(from, to);
}
