#include "document/win32/palette_win32.h"

#include <vector>

#include "document/palette.h"

HPALETTE MakePicturePalette() {
    std::vector<unsigned char> block(sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = 256;
    for (int i = 0; i < 256; ++i) {
        PaletteColor c = PicturePaletteEntry(i);
        palette->palPalEntry[i] = {c.red, c.green, c.blue, 0};
    }
    return CreatePalette(palette);
}
