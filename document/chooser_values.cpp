#include "document/chooser_values.h"

#include "document/settings_store.h"

namespace {

// Units for the smallest size: 2 points are 2.8 hundredths of an inch.
constexpr int32_t kMinUnits = (kMinChooserPoints * 100 + 71) / 72;
constexpr int32_t kMaxUnits = kMaxChooserPoints * 100 / 72;
static_assert(kMaxUnits == kMaxFontExtent, "the largest size is the largest a file keeps");

int32_t Magnitude(int32_t v) { return v < 0 ? -v : v; }

bool Component(const std::string& text, int* value) {
    if (text.empty() || text.size() > 3) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v > 255) return false;
    *value = v;
    return true;
}

}  // namespace

int32_t ChooserPixelsFromUnits(int32_t units, int pixelsPerInch) {
    if (pixelsPerInch <= 0) return units;
    int64_t pixels = (static_cast<int64_t>(Magnitude(units)) * pixelsPerInch + 50) / 100;
    return static_cast<int32_t>(units < 0 ? -pixels : pixels);
}

int32_t UnitsFromChooserPixels(int32_t pixels, int pixelsPerInch) {
    int64_t units = pixelsPerInch > 0
                        ? (static_cast<int64_t>(Magnitude(pixels)) * 100 + pixelsPerInch / 2) / pixelsPerInch
                        : Magnitude(pixels);
    if (units < kMinUnits) units = kMinUnits;
    if (units > kMaxUnits) units = kMaxUnits;
    return static_cast<int32_t>(pixels > 0 ? units : -units);
}

FontDesc FontForChooser(const FontDesc& font, int pixelsPerInch) {
    FontDesc f = font;
    f.lfHeight = ChooserPixelsFromUnits(font.lfHeight, pixelsPerInch);
    f.lfWidth = ChooserPixelsFromUnits(font.lfWidth, pixelsPerInch);
    return f;
}

FontDesc FontFromChooser(const FontDesc& chosen, const FontDesc& opened, int pixelsPerInch) {
    FontDesc f = chosen;
    bool unchanged = chosen.lfHeight == ChooserPixelsFromUnits(opened.lfHeight, pixelsPerInch);
    f.lfHeight = UnitsFromChooserPixels(chosen.lfHeight, pixelsPerInch);
    int32_t openedUnits = Magnitude(opened.lfHeight);
    if (unchanged && openedUnits >= kMinUnits && openedUnits <= kMaxUnits) f.lfHeight = opened.lfHeight;
    // A width of 0 is the font's own; any other is held like the height.
    f.lfWidth = chosen.lfWidth == 0 ? 0 : UnitsFromChooserPixels(chosen.lfWidth, pixelsPerInch);
    return f;
}

bool ColorFromFields(const std::string& red, const std::string& green, const std::string& blue, ColorRef* color) {
    int r, g, b;
    if (!Component(red, &r) || !Component(green, &g) || !Component(blue, &b)) return false;
    *color = MakeColor(r, g, b);
    return true;
}
