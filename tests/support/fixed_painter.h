// A catalog painter for tools without a device: every text measures six
// units a character and thirteen high, nothing is drawn; counts what the
// walk asked for. Header-only.
#pragma once
#include "render/catalog_layout.h"

struct FixedPainter {
    int texts = 0;
    int lines = 0;
    static void Select(void*, int) {}
    static bool Measure(void*, const char*, int length, TextExtent* out) {
        *out = {length * 6, 13};
        return true;
    }
    static void Text(void* c, const char*, int, const LabelRect&, int, int32_t) { ++static_cast<FixedPainter*>(c)->texts; }
    static void Line(void* c, int, int32_t, int32_t, int32_t, int32_t) { ++static_cast<FixedPainter*>(c)->lines; }
    CatalogPainter Painter() { return {this, Select, Measure, Text, Line}; }
};
