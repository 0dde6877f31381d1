// The label both label-file benchmarks save and load: 100,000 entries in
// 5,000 folders (100 top folders of 49 folders, 19 files each), and 20
// placed objects: four 1000 x 1000 24-bit pictures and 16 strings.
// Header-only.
#pragma once
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "base/text_field.h"
#include "document/body_file.h"
#include "document/object_list.h"
#include "record/packed_bitmap.h"

namespace bench_label {

inline void Files(ZIPINFO* list, int count, int seed) {
    list->NumEntries = count;
    list->Entries = NewEntries(count, "bench");
    for (int i = 0; i < count; ++i) {
        CatalogEntry& e = list->Entries[i];
        std::snprintf(e.Name, sizeof e.Name, "report-%05d-%02d.txt", seed, i);
        e.Size = static_cast<uint32_t>(seed * 977 + i * 131);
        std::snprintf(e.EntryComment, sizeof e.EntryComment, "%u KB", e.Size / 1024);
    }
}

inline void Folder(CatalogEntry* e, const char* name, ZIPINFO* child) {
    CopyField(e->Name, name);
    CopyField(e->EntryComment, "[dir]");
    e->HasSubtree = 1;
    e->Open = 1;
    e->Child = child;
}

inline void Picture(PlacedObject* object, int side) {
    uint32_t row = (3u * side + 3) & ~3u, size = 40 + row * side;
    object->rec.Type = OBJECT_PICTURE;
    object->rec.Page = 1;
    object->bitmap = static_cast<uint8_t*>(std::malloc(size));
    std::memset(object->bitmap, 0x5A, size);
    const uint32_t header[] = {40, static_cast<uint32_t>(side), static_cast<uint32_t>(side), 1 | (24 << 16), 0,
                               row * side, 2835, 2835, 0, 0};
    for (int i = 0; i < 10; ++i)
        for (int b = 0; b < 4; ++b) object->bitmap[4 * i + b] = static_cast<uint8_t>(header[i] >> (8 * b));
    object->bitmapSize = size;
    object->bits = object->bitmap + 40;
    SetFileHeaderSize(&object->rec, size + kFileHeaderSize);
    SetFileHeaderBitsOffset(&object->rec, 40 + kFileHeaderSize);
    BitmapFacts facts;
    CheckPackedBitmap(object->bitmap, size, 40, &facts);
    SetPictureRectangles(&object->rec, facts);
}

inline void Build(ZIPINFO* label) {
    std::memset(label, 0, sizeof *label);
    label->SortMode = label->Direction = 1;
    label->Columns = 3;
    label->NumEntries = 100;
    label->Entries = NewEntries(100, "bench");
    int seed = 0;
    for (int t = 0; t < 100; ++t) {
        ZIPINFO* top = NewCatalogList();
        top->NumEntries = 49;
        top->Entries = NewEntries(49, "bench");
        for (int s = 0; s < 49; ++s) {
            ZIPINFO* sub = NewCatalogList();
            Files(sub, 19, ++seed);
            Folder(&top->Entries[s], ("folder" + std::to_string(seed)).c_str(), sub);
        }
        Folder(&label->Entries[t], ("top" + std::to_string(t)).c_str(), top);
    }
    for (int i = 0; i < 20; ++i) {
        PlacedObject object = {};
        if (i % 5 == 0) {
            Picture(&object, 1000);
        } else {
            object.rec.Type = OBJECT_STRING;
            object.rec.Page = 1 + i % 2;
            CopyField(object.rec.Text, "A placed string\r\nof two lines");
        }
        InsertObjectAtHead(label, object);
    }
}

inline double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Median of five runs of f, in seconds.
template <typename F>
double Median(F f) {
    std::vector<double> runs;
    for (int i = 0; i < 5; ++i) {
        auto start = std::chrono::steady_clock::now();
        f();
        runs.push_back(Seconds(start));
    }
    std::sort(runs.begin(), runs.end());
    return runs[2];
}

}  // namespace bench_label
