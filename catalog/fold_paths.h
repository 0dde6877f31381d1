// Turns archive member paths into folders after a scan: a member named
// docs/readme.txt (or docs\readme.txt) becomes the file readme.txt inside a
// folder docs of the same list, made when the list has no folder of that
// name (compared without regard to case). New folders go to the end of
// their list and are folded in turn, so a/b/c.txt becomes a, b, c.txt.
#pragma once
#include "record/zipinfo.h"

void FoldArchivePaths(ZIPINFO* label);
