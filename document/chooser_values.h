// Values crossing the system's colour and font choosers. The font chooser
// measures heights in screen pixels, label fonts are held in label units
// (hundredths of an inch): heights are converted both ways, so that the
// chooser opens on a font's true size and 72 points are 100 units.
#pragma once
#include <cstdint>
#include <string>

#include "record/font_desc.h"

// The sizes the font chooser offers, in points.
constexpr int kMinChooserPoints = 2;
constexpr int kMaxChooserPoints = 720;

// A label font height (sign kept: negative is the character height) as
// the chooser's pixels on a screen of the given pixels per inch.
int32_t ChooserPixelsFromUnits(int32_t units, int pixelsPerInch);
// Back to label units, held within the chooser's sizes: never 0, never -1
// (the never-stored mark) and never past kMaxFontExtent.
int32_t UnitsFromChooserPixels(int32_t pixels, int pixelsPerInch);

// The font description for the chooser, with its heights in pixels.
FontDesc FontForChooser(const FontDesc& font, int pixelsPerInch);

// The chooser's answer for the label. `shown` is the font as the chooser
// reported it at opening (it rounds heights to its own sizes and names a
// weight where the label has none): every part the user left as shown
// keeps the value of `opened`, the label's font; the parts changed are
// taken, heights converted to label units.
FontDesc FontFromChooser(const FontDesc& chosen, const FontDesc& shown, const FontDesc& opened, int pixelsPerInch);

// The colour chooser's red, green and blue fields: each a whole number
// from 0 to 255. False (colour unchanged) for anything else.
bool ColorFromFields(const std::string& red, const std::string& green, const std::string& blue, ColorRef* color);
constexpr const char* kColorFieldsMessage = "Red, green and blue each take a whole number from 0 to 255.";
