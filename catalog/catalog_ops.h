// The small operations on a label's catalog tree shared by every Part that
// fills, edits, draws or saves it. Every change to a list or its order
// invalidates the label's layout (InvalidateLayout).
#pragma once
#include <cstddef>

#include "record/zipinfo.h"

// Frees every child list below the list (depth first), then its entries
// array; the count becomes 0.
void FreeCatalog(ZIPINFO* list);

// Frees the flattened rows of the layout and zeroes the cache.
void FreeLayoutCache(LayoutCache* cache);

// A deep copy of a catalog list: a new record with the fields copied and
// every child list copied in turn. The copy shares nothing with the source;
// it carries no placed objects, extension styles or layout cache.
ZIPINFO* DuplicateCatalog(const ZIPINFO* list);

// The same, but null when memory runs out (whatever was copied is freed):
// for the callers that can go on without the copy.
ZIPINFO* TryDuplicateCatalog(const ZIPINFO* list);

// Where TryDuplicateCatalog takes its memory (null: malloc). Tests make
// it fail.
using CatalogAllocHook = void* (*)(size_t bytes);
void SetCatalogAllocHook(CatalogAllocHook hook);

// Frees a list made by DuplicateCatalog, the scanner or a file reader:
// its tree and the record itself.
void DeleteCatalogList(ZIPINFO* list);

// Whether the label shows the entry as a folder: it owns a list (a
// listed archive too), or it is a folder not read, whose comment is
// exactly "[dir]". Every other entry is a file ("(Empty)" too).
bool ShownAsFolder(const CatalogEntry& entry);

// NumFiles and NumFolders over the whole tree: an entry with HasSubtree 1
// is a folder, every other entry (a "[dir]" without subtree too) a file.
void RecountCatalog(ZIPINFO* label);

// Sorts the root list by SortMode and Direction, then every child list
// with the root's keys copied down; invalidates the layout.
void SortCatalog(ZIPINFO* label);

// Compares two entries as SortCatalog does (negative, 0, positive).
int CompareEntries(const CatalogEntry& a, const CatalogEntry& b, int sortMode, int direction);

// The text after the last '.', "" when there is none (a pointer into name).
const char* ExtensionOf(const char* name);

// Sets Open of every entry of the list and below to the value.
void SetOpenAll(ZIPINFO* list, int value);

// A zero-filled record for a child list; fatal when memory runs out.
ZIPINFO* NewCatalogList();

// The fatal messages of a listing's first entries array and of its growth.
constexpr const char* kFirstArrayFailure = "Can't allocate 256 file entries, exiting Verrick";
constexpr const char* kGrowFailure = "Can't allocate add'l 256 file entries, exiting Verrick";

// An entries array of count zero-filled entries (none for 0); fatal when
// memory runs out, with the given message.
CatalogEntry* NewEntries(int count, const char* failureMessage);
