// The label records, owned for the whole run: one in Kestrin and Dovantel,
// nine in Wimbrook (the labels of one sheet). Exactly one is current.
#pragma once
#include "record/zipinfo.h"

constexpr int kMaxLabels = 9;

extern ZIPINFO g_labelRecords[kMaxLabels];
extern int g_labelCount;        // the edition's number of label records
// The record every command acts on, read-only: MakeLabelCurrent alone
// changes it.
extern ZIPINFO* const& g_currentLabel;

// Makes record index current (record 0 for an index beyond the edition's
// records).
void MakeLabelCurrent(int index);
// The current record's index.
int CurrentLabelIndex();

// Sets the record count for the edition and makes record 0 current.
void InitLabelRecords(int count);

// Main window creation: InitLabelRecords, each record's ordinal (1 for the
// first) and an empty layout cache.
void PrepareLabelRecords(int count);

// The current label holds catalog entries or placed objects.
bool CurrentLabelHasContent();
