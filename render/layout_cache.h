// The flattened rows of a label's catalog (see LayoutCache in zipinfo.h):
// one row per shown entry, with its depth, the ancestor mask that draws the
// tree lines, the name length before the last dot and its extension style.
#pragma once
#include "record/zipinfo.h"

// Levels the ancestor mask has bits for; deeper ancestors draw no bars.
constexpr int kMaskLevels = 32;

// Flattens the catalog tree into the label's cache (entries of closed
// folders are counted for the allocation but not shown) and sets
// LayoutValid to 1. Running out of memory is fatal.
void BuildLayoutCache(ZIPINFO* label);

// Rebuilds the cache only when LayoutValid is 0; returns the number of
// entries to show.
int EnsureLayoutCache(ZIPINFO* label);
