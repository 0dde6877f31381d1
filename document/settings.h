// Loading all settings from the store at start-up and saving them at exit:
// the global keys, the dialog positions, the per-label keys of every label
// record, custom colours, hidden hints, the exclusion list and the recent
// files, each with its kind, limit, default and fix-up (the keys are the
// rows of document/settings_table.h).
#pragma once
#include "catalog/scan_settings.h"
#include "document/program_settings.h"
#include "editions/profile.h"
#include "record/zipinfo.h"

// What the store keeps of the shell's view: "Labels", "Zoom" and
// "WindScale". The shell hands it in and takes it back.
struct ViewSettings {
    int labelKind;
    int fullSize;
    double windowScale;
};

// The records the store fills and writes besides the view: the scan
// settings, the program settings and the label records (count of them).
struct StoredSettings {
    ScanSettings* scan;
    ProgramSettings* program;
    ZIPINFO* labels;
    int labelCount;
};

// Reads every key in order into the view settings and the stored records.
// Values the program cannot show are brought back to the nearest sound one.
void LoadSettings(const EditionProfile& edition, ViewSettings* view, const StoredSettings& into);

// Writes the keys back in order. Keys of extension styles and patterns
// beyond the current counts, "Initials" and unknown keys stay as they are
// in the file. Does nothing when the settings were never loaded, so that
// an early exit cannot overwrite the file with blank records.
void SaveSettings(const EditionProfile& edition, const ViewSettings& view, const StoredSettings& from);

// "Initials" and "Number" written at once (the initials dialog's OK, in
// every edition); false when the store could not write them.
bool SaveInitials(const ProgramSettings& settings);

// True once LoadSettings has run since the last ForgetLoadedSettings.
bool SettingsLoaded();
// A new main window starts with nothing loaded.
void ForgetLoadedSettings();

// After start-up: when no drive letter was loaded, sets it to 'C' and
// returns true (the caller then opens the drive selection).
bool TakeMissingDrive(ScanSettings* scan);
