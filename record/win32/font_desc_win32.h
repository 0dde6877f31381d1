// FontDesc and LOGFONTA are the same bytes: conversions are casts.
#pragma once
#include <windows.h>

#include <cstddef>

#include "record/font_desc.h"

static_assert(sizeof(LOGFONTA) == sizeof(FontDesc), "FontDesc mirrors LOGFONTA");
static_assert(offsetof(LOGFONTA, lfWidth) == offsetof(FontDesc, lfWidth), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfEscapement) == offsetof(FontDesc, lfEscapement), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfOrientation) == offsetof(FontDesc, lfOrientation), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfWeight) == offsetof(FontDesc, lfWeight), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfItalic) == offsetof(FontDesc, lfItalic), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfUnderline) == offsetof(FontDesc, lfUnderline), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfStrikeOut) == offsetof(FontDesc, lfStrikeOut), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfCharSet) == offsetof(FontDesc, lfCharSet), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfOutPrecision) == offsetof(FontDesc, lfOutPrecision), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfClipPrecision) == offsetof(FontDesc, lfClipPrecision), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfQuality) == offsetof(FontDesc, lfQuality), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfPitchAndFamily) == offsetof(FontDesc, lfPitchAndFamily), "LOGFONTA layout");
static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(FontDesc, lfFaceName), "LOGFONTA layout");

inline LOGFONTA* AsLogFont(FontDesc* font) { return reinterpret_cast<LOGFONTA*>(font); }
inline const LOGFONTA* AsLogFont(const FontDesc* font) { return reinterpret_cast<const LOGFONTA*>(font); }
inline FontDesc* AsFontDesc(LOGFONTA* font) { return reinterpret_cast<FontDesc*>(font); }
