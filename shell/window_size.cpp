#include "shell/window_size.h"

#include <cmath>

LogicalSize MainWindowLogicalSize(const EditionProfile& edition, double scale) {
    LogicalSize size;
    size.width = edition.windowWidth;
    size.height = scale >= 0.7 ? edition.windowHeightLarge : edition.windowHeightSmall;
    if (scale < 0.9) size.height += 10;
    return size;
}

int LogicalToPixels(int logical, int pixelsPerInch, double scale) {
    return static_cast<int>(std::floor(logical * pixelsPerInch * scale / 100.0 + 0.5));
}

