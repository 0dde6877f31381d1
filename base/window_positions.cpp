#include "base/window_positions.h"

namespace {
ScreenPosition* g_positions = nullptr;
}  // namespace

void SetWindowPositionStore(ScreenPosition* positions) { g_positions = positions; }

ScreenPosition* WindowPosition(WindowKey key) {
    if (!g_positions || key < 0 || key >= WINDOW_KEY_COUNT) return nullptr;
    return &g_positions[key];
}

int ClampSavedPosition(int value, int screenExtent) {
    if (value > screenExtent - 100) value = screenExtent - 100;
    if (value < 0) value = 0;
    return value;
}
