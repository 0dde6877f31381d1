#include "document/palette.h"

PaletteColor PicturePaletteEntry(int index) {
    if (index == 1) return {255, 255, 255};
    PaletteColor color;
    color.red = static_cast<uint8_t>((index % 8) * 32);
    color.green = static_cast<uint8_t>(((index / 8) % 8) * 32);
    color.blue = static_cast<uint8_t>((index / 64) * 64);
    return color;
}
