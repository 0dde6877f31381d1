// The fixed 256-colour palette realised on palette displays.
#pragma once
#include <cstdint>

struct PaletteColor {
    uint8_t red, green, blue;
};

// Entry i: red (i mod 8) x 32, green ((i div 8) mod 8) x 32, blue
// (i div 64) x 64; entry 1 is white.
PaletteColor PicturePaletteEntry(int index);
