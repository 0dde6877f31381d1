// The label record (ZIPINFO) and the catalog entry. One record per label
// holds its catalog tree, disk facts, look, placed objects, extension styles
// and layout cache. A child list of the tree is a zero-filled ZIPINFO of
// which only NumEntries, Entries, SortMode and Direction are used.
#pragma once
#include <cstdint>

#include "record/font_desc.h"
#include "record/placed_object.h"

struct ZIPINFO;

struct CatalogEntry {
    char Name[64];          // at most 63 characters
    char EntryComment[16];  // at most 15: size text, "[dir]", summary, time
    uint32_t Size;          // bytes (low 32 bits)
    int32_t HasSubtree;     // 1: owns a child list
    ZIPINFO* Child;         // the child list when HasSubtree is 1
    int32_t Open;           // 1: shown expanded
    int32_t Align;          // 0 left, 1 centre, 2 right
};

// Per-extension font and colour: 72 bytes.
struct ExtStyle {
    char ExtName[8];  // at most 7 characters
    ColorRef ExtColor;
    FontDesc ExtFont;
};
static_assert(sizeof(ExtStyle) == 72, "extension style is 72 bytes");

// The flattened rows of the catalog as the layout shows them: parallel
// arrays with one slot per shown entry, valid while LayoutValid is 1.
struct LayoutCache {
    int32_t rows;              // number of entries to show
    int32_t slots;             // allocated slots
    CatalogEntry** entry;
    int8_t* depth;             // negated for the last entry of its list
    uint32_t* ancestorMask;    // bit d: the ancestor at depth d has later siblings
    uint8_t* nameLength;       // characters before the last dot
    uint8_t* extStyle;         // style index, 255 for none
};

constexpr int kNoExtStyle = 255;

struct ZIPINFO {
    // 1. ordinal of the label (1 for the first record)
    int32_t LabelNumber;
    // 2. the root catalog list
    int32_t NumEntries;
    CatalogEntry* Entries;
    // 3. spine text
    char VolumeName[64];
    // 4. the one-line comment, may hold macros
    char Comment[256];
    // 5. sorting
    int32_t SortMode;   // 1 name, 2 extension, 3 size
    int32_t Direction;  // 1 ascending, -1 descending
    // 6. display settings
    int32_t Columns;    // 0 to 7
    int32_t ShowSize;
    int32_t ShowExt;
    int32_t ShowComm;
    int32_t ShowZip;    // display the spine logo
    int32_t LblFmt;     // 0 to 6
    int32_t Opposing;
    int32_t Lined;
    // 7. disk facts; byte counts in 64 bits (volumes above 2 GB)
    int64_t SpaceUsed;
    int64_t SpaceFree;
    int64_t SpaceTotal;
    char ShortDate[64];
    char LongDate[128];
    int32_t NumFiles;
    int32_t NumFolders;
    // 8. fonts and colours
    ColorRef BkgndColor;
    ColorRef FontColor;
    FontDesc Font;
    int32_t FontHeight;
    ColorRef DirFontColor;
    FontDesc DirFont;
    int32_t DirFontHeight;
    ColorRef CommFontColor;
    FontDesc CommFont;
    int32_t CommFontHeight;
    ColorRef SpineFontColor;
    ColorRef SpineBkgndColor;
    FontDesc SpineFont;
    int32_t SpineAlign;  // 0 left, 1 centre, 2 right
    int32_t ZipColor;    // colour logo
    // 9. placed objects; element 0 is the selected one when SelectionKind
    // is not 0 (1 a picture, 2 a string)
    int32_t NumObjects;
    PlacedObject* Objects;
    int32_t SelectionKind;
    // 10. per-extension styles
    int32_t NumExtStyles;
    ExtStyle* ExtStyles;
    // 11. layout cache
    LayoutCache Layout;
    int32_t LayoutValid;
    // 12. placement of the page being drawn or hit-tested
    int32_t LabelOriginX;
    int32_t LabelOriginY;
    int32_t PageWidth;
    int32_t PageHeight;  // negative: a page spans y from 0 down to it
};

// The one way to say that a list's entries, their order or their look
// changed: the layout rebuilds its cache at its next use. Only the layout
// itself sets LayoutValid (render/layout_cache.cpp); scripts/check-layers
// refuses any other write. Whole-record copies and zero fills carry the
// flag with the rest of the record; each says so where it stands.
inline void InvalidateLayout(ZIPINFO* list) { list->LayoutValid = 0; }
