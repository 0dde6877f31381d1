#include "shell/program_records.h"

void MakeLabelCurrent(int index) { MakeLabelCurrent(g_labelRecords, g_labelCount, index); }

void InitLabelRecords(int count) {
    g_labelCount = LabelRecordCount(count);
    MakeLabelCurrent(0);
}

void PrepareLabelRecords(int count) {
    InitLabelRecords(count);
    PrepareLabelRecords(g_labelRecords, g_labelCount);
}

StoredSettings ProgramStoredSettings() { return {&g_scan, &g_settings, g_labelRecords, g_labelCount}; }
