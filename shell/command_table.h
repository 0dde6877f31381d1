// Every command of the main window as one row: the editions that have it,
// the common conventions it follows (the unsaved-label guard, the
// selection it needs, whether it marks the label modified, whether it
// repaints, the rescan question it asks), its handler with the row's
// argument, and the rules for its check mark and its enabled state. A
// handler is core (shell/label_commands.h) or a slot the Win32 program
// fills at start-up (shell/glue_commands.h); the table cannot be built
// with a row that has none, nor with two rows for one id in one edition.
#pragma once
#include "editions/command_ids.h"
#include "editions/profile.h"
#include "shell/menu_state.h"

enum CommandFlag : unsigned {
    CF_GUARD = 1u << 0,          // the unsaved-label check first; Cancel ends with a repaint
    CF_MODIFIES = 1u << 1,       // a handler answering true marks the label modified
    CF_NO_REPAINT = 1u << 2,
    CF_NEEDS_OBJECT = 1u << 3,   // without that selection: nothing at all, not even a repaint
    CF_NEEDS_PICTURE = 1u << 4,
    CF_NEEDS_STRING = 1u << 5,
    CF_WHEN_ENABLED = 1u << 6,   // while its enabled rule fails the handler does not run (answers false)
    CF_POPUP_CHECK = 1u << 7,    // its check mark shows on the right-click pop-ups only
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

// A handler: true when it did what the row's modified mark or hint
// follows.
using CommandHandler = bool (*)(int arg);

struct CommandRow {
    int id;
    unsigned editions;
    unsigned flags;
    HintId hint;
    CommandHandler handler;
    int arg;
    StateRule checked = nullptr;  // when its item is checked or its button pressed; null: never
    StateRule enabled = nullptr;  // when its item or button is usable; null: always
    // A range of ids from id on, one command each: the handler's argument
    // counts up from arg.
    int ids = 1;
};

// The id ranges the rows cover, contiguous by construction (asserted).
constexpr int kRecentFileIds = CMD_RECENT_5 - CMD_RECENT_1 + 1;
constexpr int kDiskSizeIds = CMD_DISK_SIZE_LAST - CMD_DISK_SIZE_1000 + 1;

constexpr bool RowCovers(const CommandRow& row, int id) { return id >= row.id && id < row.id + row.ids; }

// The edition's row for the id; null when the edition has no handler for
// it (the command then only repaints).
const CommandRow* FindCommand(const EditionProfile& edition, int id);

// The whole table.
const CommandRow* CommandRows(int* count);

// Where a state shows: the menu bar and the toolbar, or a right-click
// pop-up.
enum CommandPlace { ON_MENU_BAR, ON_POPUP };

// Whether a command can run and how its items show, asked by the menus,
// the toolbar, the pop-ups and the dispatcher alike. Items whose command
// has no rule are left as they are; the object menus' greying by position
// is the menu refresh's own.
struct CommandState {
    const CommandRow* row;  // null: not a command of this edition
    int arg;                // the handler's argument for this id
    bool selectionFits;     // the selection the row needs is there
    bool hasEnabledState;
    bool enabled;           // the enabled rule holds (true without one)
    bool hasCheck;          // a check mark or pressed button shows in this place
    bool checked;
};
CommandState CommandStateOf(const EditionProfile& edition, int id, const StateView& in,
                            CommandPlace place = ON_MENU_BAR);
