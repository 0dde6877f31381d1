// The program's own records, which the shell alone names: the label
// records (g_labelRecords, g_labelCount of them), the scan settings
// (g_scan) and the program settings (g_settings). The layers below work on
// what they are handed; these hand them the program's.
#pragma once
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/program_settings.h"
#include "document/settings.h"

// Makes record index current (record 0 for an index beyond the edition's
// records).
void MakeLabelCurrent(int index);

// Sets the record count for the edition and makes record 0 current.
void InitLabelRecords(int count);

// Main window creation: InitLabelRecords, each record's ordinal (1 for the
// first) and an empty layout cache.
void PrepareLabelRecords(int count);

// What the settings store loads and saves besides the view.
StoredSettings ProgramStoredSettings();
