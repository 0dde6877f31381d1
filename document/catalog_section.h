// The catalog section of a label body: a list's entry count, then each
// entry (name, comment, size, subtree flag, open flag, alignment) with its
// child list right after it when it has one.
#pragma once
#include <string>

#include "document/label_text.h"
#include "record/zipinfo.h"

// Folders nest at most this deep in a body: deeper than any scan with
// archive members folded into folders reaches, shallow enough for the
// reader's recursion.
constexpr int kMaxCatalogDepth = 100;

// Reads a list into an empty record. False when the section is damaged,
// nests too deep or memory runs out; what was read stays in the list for
// the caller to free with the record.
bool ReadCatalogList(LineReader* r, ZIPINFO* list, int depth = 0);

// Writes the list; false (with part of it written) when it nests deeper
// than the reader takes.
bool PutCatalogList(std::string* out, const ZIPINFO& list, int depth = 0);
