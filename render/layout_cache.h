// The flattened rows of a label's catalog (see LayoutCache in zipinfo.h).
#pragma once
#include "catalog/zipinfo.h"

void FreeLayoutCache(LayoutCache* cache);
