// The label records, owned for the whole run: one in Kestrin and Dovantel,
// nine in Wimbrook (the labels of one sheet). Exactly one is current. Only
// the shell names the records themselves (shell/program_records.h); the
// functions here work on the records they are handed.
#pragma once
#include "record/zipinfo.h"

constexpr int kMaxLabels = 9;

extern ZIPINFO g_labelRecords[kMaxLabels];
extern int g_labelCount;        // the edition's number of label records
// The record every command acts on, read-only: MakeLabelCurrent alone
// changes it.
extern ZIPINFO* const& g_currentLabel;

// Makes labels[index] current (labels[0] for an index beyond the count).
void MakeLabelCurrent(ZIPINFO* labels, int count, int index);
// The current record's index.
int CurrentLabelIndex();

// The number of records an edition's count asks for: 1 to kMaxLabels.
int LabelRecordCount(int count);

// Main window creation: each record's ordinal (1 for the first) and an
// empty layout cache.
void PrepareLabelRecords(ZIPINFO* labels, int count);

// The current label holds catalog entries or placed objects.
bool CurrentLabelHasContent();
