// The benchmarks' long Kestrin booklet: 20,000 entries in 200 folders of
// 99 files, Arial 8 pt, sizes, extensions and ruled lines on.
#pragma once
#include <cstdio>
#include <cstring>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"

inline FontDesc BenchArial(int weight) {
    FontDesc f;
    std::memset(&f, 0, sizeof f);
    f.lfHeight = -11;
    f.lfWeight = weight;
    CopyField(f.lfFaceName, "Arial");
    return f;
}

inline void BuildBenchBooklet(ZIPINFO* label, int columns) {
    std::memset(label, 0, sizeof *label);
    label->Columns = columns;
    label->LblFmt = 6;
    label->ShowSize = label->ShowExt = label->Lined = label->ShowZip = 1;
    label->BkgndColor = label->SpineBkgndColor = 0xFFFFFF;
    label->Font = label->CommFont = BenchArial(0);
    label->DirFont = BenchArial(700);
    label->SpineFont = BenchArial(0);
    label->SpineFont.lfHeight = -19;
    label->NumEntries = 200;
    label->Entries = NewEntries(200, "bench");
    for (int i = 0; i < 200; ++i) {
        CatalogEntry& folder = label->Entries[i];
        std::snprintf(folder.Name, sizeof folder.Name, "Folder %03d", i);
        CopyField(folder.EntryComment, "[dir]");
        folder.HasSubtree = folder.Open = 1;
        folder.Child = NewCatalogList();
        folder.Child->NumEntries = 99;
        folder.Child->Entries = NewEntries(99, "bench");
        for (int k = 0; k < 99; ++k) {
            CatalogEntry& file = folder.Child->Entries[k];
            std::snprintf(file.Name, sizeof file.Name, "document-%03d-%02d.txt", i, k);
            std::snprintf(file.EntryComment, sizeof file.EntryComment, "%d KB", (i * 99 + k) % 977 + 1);
        }
    }
}
