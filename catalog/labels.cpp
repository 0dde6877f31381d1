#include "catalog/labels.h"

ZIPINFO g_labelRecords[kMaxLabels];
int g_labelCount = 1;
ZIPINFO* g_currentLabel = &g_labelRecords[0];

void InitLabelRecords(int count) {
    g_labelCount = count < 1 ? 1 : (count > kMaxLabels ? kMaxLabels : count);
    g_currentLabel = &g_labelRecords[0];
}
