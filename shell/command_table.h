// Every command of the main window as one row: the editions that have it,
// the common conventions it follows (the unsaved-label guard, the
// selection it needs, whether it marks the label modified, whether it
// repaints, the rescan question it asks) and its handler with the row's
// argument. Handlers that need Win32 (dialogs, file pickers, printing) are
// registered by the glue under the same id; their rows carry no handler.
#pragma once
#include "editions/profile.h"

enum CommandFlag : unsigned {
    CF_GUARD = 1u << 0,          // the unsaved-label check first; Cancel ends with a repaint
    CF_MODIFIES = 1u << 1,       // a handler answering true marks the label modified
    CF_NO_REPAINT = 1u << 2,
    CF_NEEDS_OBJECT = 1u << 3,   // without that selection: nothing at all, not even a repaint
    CF_NEEDS_PICTURE = 1u << 4,
    CF_NEEDS_STRING = 1u << 5,
};

enum EditionBits : unsigned {
    IN_KESTRIN = 1u << EDITION_KESTRIN,
    IN_DOVANTEL = 1u << EDITION_DOVANTEL,
    IN_WIMBROOK = 1u << EDITION_WIMBROOK,
    IN_COVER_EDITIONS = IN_KESTRIN | IN_DOVANTEL,
    IN_ALL = IN_KESTRIN | IN_DOVANTEL | IN_WIMBROOK,
};

// The rescan questions: asked when the handler answered true; "Scan Disk"
// posts Read Disk.
enum HintId { NO_HINT = -1, HINT_LEVELS = 0, HINT_EXCLUDE, HINT_DRIVE, HINT_ARCHIVES };
struct HintText {
    int number;  // the hide flag it shares
    const char* caption;
    const char* message;
};
const HintText& RescanHint(HintId hint);
constexpr const char* kScanDisk = "Scan Disk";
constexpr const char* kDontScanDisk = "Don't Scan Disk";

// A core handler: true when it did what the row's modified mark or hint
// follows.
using CoreHandler = bool (*)(int arg);

struct CommandRow {
    int id;
    unsigned editions;
    unsigned flags;
    HintId hint;
    CoreHandler handler;  // null: the glue's handler for the id
    int arg;
};

// The edition's row for the id; null when the edition has no handler for
// it (the command then only repaints).
const CommandRow* FindCommand(const EditionProfile& edition, int id);

// The whole table.
const CommandRow* CommandRows(int* count);

// Ranges handled before the table: recent files and Kestrin's disk sizes.
constexpr int kRecentFirst = 40276;
constexpr int kRecentLast = 40280;
constexpr int kDiskSizeFirst = 40296;
constexpr int kDiskSizeLast = 40306;
