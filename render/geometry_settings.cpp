#include "render/geometry_settings.h"

int WimbrookBodyInset(const GeometrySettings& settings) {
    if (settings.origPosition) return 10;
    double units = settings.sideMargin * 100.0;
    // A margin beyond half the label leaves no body at all; never more.
    if (!(units > 0)) return 0;
    if (units > 137) return 137;
    return static_cast<int>(units);
}
