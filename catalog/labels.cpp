#include "catalog/labels.h"

#include "catalog/catalog_ops.h"

ZIPINFO g_labelRecords[kMaxLabels];
int g_labelCount = 1;

namespace {
ZIPINFO* g_current = &g_labelRecords[0];
// Kept beside the pointer: the index is asked for without the records.
int g_currentIndex = 0;
}  // namespace

ZIPINFO* const& g_currentLabel = g_current;

void MakeLabelCurrent(ZIPINFO* labels, int count, int index) {
    g_currentIndex = index >= 0 && index < count ? index : 0;
    g_current = &labels[g_currentIndex];
}

int CurrentLabelIndex() { return g_currentIndex; }

int LabelRecordCount(int count) { return count < 1 ? 1 : (count > kMaxLabels ? kMaxLabels : count); }

void PrepareLabelRecords(ZIPINFO* labels, int count) {
    for (int i = 0; i < count; ++i) {
        ZIPINFO& label = labels[i];
        label.LabelNumber = i + 1;
        FreeLayoutCache(&label.Layout);
        InvalidateLayout(&label);
    }
}

bool CurrentLabelHasContent() {
    return g_currentLabel && (g_currentLabel->NumEntries > 0 || g_currentLabel->NumObjects > 0);
}
