#include "document/chooser_values.h"

#include <cstring>

#include "document/settings_bounds.h"
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

FontDesc FontFromChooser(const FontDesc& chosen, const FontDesc& shown, const FontDesc& opened, int pixelsPerInch) {
    FontDesc f = opened;
    if (chosen.lfHeight != shown.lfHeight) f.lfHeight = UnitsFromChooserPixels(chosen.lfHeight, pixelsPerInch);
    // A width of 0 is the font's own; any other is held like the height.
    if (chosen.lfWidth != shown.lfWidth)
        f.lfWidth = chosen.lfWidth == 0 ? 0 : UnitsFromChooserPixels(chosen.lfWidth, pixelsPerInch);
    if (chosen.lfWeight != shown.lfWeight) f.lfWeight = chosen.lfWeight;
    if (chosen.lfItalic != shown.lfItalic) f.lfItalic = chosen.lfItalic;
    if (chosen.lfUnderline != shown.lfUnderline) f.lfUnderline = chosen.lfUnderline;
    if (chosen.lfStrikeOut != shown.lfStrikeOut) f.lfStrikeOut = chosen.lfStrikeOut;
    if (std::strncmp(chosen.lfFaceName, shown.lfFaceName, sizeof chosen.lfFaceName) != 0) {
        // Another face brings its own character set and family.
        std::memcpy(f.lfFaceName, chosen.lfFaceName, sizeof f.lfFaceName);
        f.lfFaceName[sizeof f.lfFaceName - 1] = '\0';
        f.lfCharSet = chosen.lfCharSet;
        f.lfPitchAndFamily = chosen.lfPitchAndFamily;
        f.lfOutPrecision = chosen.lfOutPrecision;
    }
    return f;
}

bool ColorFromFields(const std::string& red, const std::string& green, const std::string& blue, ColorRef* color) {
    int r, g, b;
    if (!Component(red, &r) || !Component(green, &g) || !Component(blue, &b)) return false;
    *color = MakeColor(r, g, b);
    return true;
}
