#include "catalog/labels.h"

#include "catalog/catalog_ops.h"

ZIPINFO g_labelRecords[kMaxLabels];
int g_labelCount = 1;

namespace {
ZIPINFO* g_current = &g_labelRecords[0];
}  // namespace

ZIPINFO* const& g_currentLabel = g_current;

void MakeLabelCurrent(int index) {
    g_current = &g_labelRecords[index >= 0 && index < g_labelCount ? index : 0];
}

int CurrentLabelIndex() { return static_cast<int>(g_current - g_labelRecords); }

void InitLabelRecords(int count) {
    g_labelCount = count < 1 ? 1 : (count > kMaxLabels ? kMaxLabels : count);
    MakeLabelCurrent(0);
}

void PrepareLabelRecords(int count) {
    InitLabelRecords(count);
    for (int i = 0; i < g_labelCount; ++i) {
        ZIPINFO& label = g_labelRecords[i];
        label.LabelNumber = i + 1;
        FreeLayoutCache(&label.Layout);
        InvalidateLayout(&label);
    }
}

bool CurrentLabelHasContent() {
    return g_currentLabel && (g_currentLabel->NumEntries > 0 || g_currentLabel->NumObjects > 0);
}
