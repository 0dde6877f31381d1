#include "document/look_section.h"

#include <cstdlib>
#include <initializer_list>

#include "catalog/dates.h"
#include "document/settings_bounds.h"
#include "render/catalog_geometry.h"

namespace {

// ".\n", a colour and a font block of one-digit lines and an empty face.
constexpr size_t kMinExtStyleBytes = 2 + 2 + 12 * 2 + 1;
// Space figures are byte counts, read whole.
constexpr int64_t kMaxSpace = int64_t(1) << 62;

bool Color(LineReader* r, ColorRef* field) {
    uint32_t v = 0;
    if (!ReadColor(r, &v)) return false;
    *field = RgbOnly(v);
    return true;
}

bool Space(LineReader* r, int64_t* field) {
    int64_t v = 0;
    if (!ReadNumber(r, -kMaxSpace, kMaxSpace, &v)) return false;
    *field = v < 0 ? 0 : v;
    return true;
}

// A cached line height: re-measured after every load, kept sane until then.
bool Height(LineReader* r, int32_t* field) {
    if (!ReadInt(r, field)) return false;
    *field = ClampInt(*field, 0, kMaxFontExtent);
    return true;
}

bool ReadExtStyles(LineReader* r, ZIPINFO* label) {
    int32_t count = 0;
    if (!ReadInt(r, &count) || count < 0 || count > kMaxExtStyles || !CountFits(*r, count, kMinExtStyleBytes))
        return false;
    if (count == 0) return true;
    auto* styles = static_cast<ExtStyle*>(std::calloc(static_cast<size_t>(count), sizeof(ExtStyle)));
    if (!styles) return false;
    label->ExtStyles = styles;
    label->NumExtStyles = count;
    for (int i = 0; i < count; ++i) {
        ExtStyle& s = styles[i];
        if (!ReadDotText(r, s.ExtName, sizeof s.ExtName) || !Color(r, &s.ExtColor) || !ReadFontBlock(r, &s.ExtFont))
            return false;
    }
    return true;
}

}  // namespace

bool ReadLookSection(LineReader* r, int v, ZIPINFO* label) {
    std::free(label->ExtStyles);
    label->ExtStyles = nullptr;
    label->NumExtStyles = 0;
    ZIPINFO& l = *label;
    if (!ReadDotText(r, l.VolumeName, sizeof l.VolumeName) || !ReadDotText(r, l.Comment, sizeof l.Comment) ||
        !ReadInt(r, &l.SortMode) || !ReadInt(r, &l.Direction) || !ReadInt(r, &l.Columns))
        return false;
    if (v >= 25) {
        if (!ReadInt(r, &l.Lined)) return false;
    } else {
        l.Lined = l.Columns >= 0 ? 1 : 0;
    }
    int64_t columns = l.Columns < 0 ? -int64_t(l.Columns) : l.Columns;
    l.Columns = static_cast<int32_t>(columns > kMaxColumns ? kMaxColumns : columns);
    if (!ReadInt(r, &l.ShowSize) || !ReadInt(r, &l.ShowExt) || !ReadInt(r, &l.ShowComm)) return false;
    l.ShowZip = 1;
    l.LblFmt = 0;
    if (v >= 17 && (!ReadInt(r, &l.ShowZip) || !ReadInt(r, &l.LblFmt))) return false;
    l.Opposing = 0;
    if (v >= 19 && !ReadInt(r, &l.Opposing)) return false;
    l.BkgndColor = 0xFFFFFF;
    if (v >= 18 && !Color(r, &l.BkgndColor)) return false;
    if (!Height(r, &l.FontHeight) || !Height(r, &l.DirFontHeight) || !Height(r, &l.CommFontHeight) ||
        !ReadInt(r, &l.ZipColor) || !Color(r, &l.FontColor) || !Color(r, &l.DirFontColor) ||
        !Color(r, &l.CommFontColor) || !Color(r, &l.SpineFontColor))
        return false;
    l.SpineBkgndColor = 0xFFFFFF;
    if (v >= 18 && !Color(r, &l.SpineBkgndColor)) return false;
    l.SpineAlign = 0;
    if (v >= 19 && !ReadInt(r, &l.SpineAlign)) return false;
    if (v >= kFirstDatedVersion) {
        if (!Space(r, &l.SpaceUsed) || !Space(r, &l.SpaceFree) || !Space(r, &l.SpaceTotal) ||
            !ReadInt(r, &l.NumFiles) || !ReadInt(r, &l.NumFolders) ||
            !ReadDotText(r, l.ShortDate, sizeof l.ShortDate) || !ReadDotText(r, l.LongDate, 64))
            return false;
    } else {
        l.SpaceUsed = l.SpaceFree = l.SpaceTotal = 0;
        l.NumFiles = l.NumFolders = 0;
        TodayDates(l.ShortDate, sizeof l.ShortDate, l.LongDate, 64);
    }
    if (!ReadFontBlock(r, &l.Font) || !ReadFontBlock(r, &l.DirFont) || !ReadFontBlock(r, &l.CommFont) ||
        !ReadFontBlock(r, &l.SpineFont))
        return false;
    if (v > 16 && !ReadExtStyles(r, label)) return false;

    l.SortMode = SoundSortMode(l.SortMode);
    l.Direction = SoundDirection(l.Direction);
    l.Lined = Switch01(l.Lined);
    l.ShowSize = Switch01(l.ShowSize);
    l.ShowExt = Switch01(l.ShowExt);
    l.ShowComm = Switch01(l.ShowComm);
    l.ShowZip = Switch01(l.ShowZip);
    l.LblFmt = ClampInt(l.LblFmt, 0, 6);
    l.Opposing = Switch01(l.Opposing);
    l.ZipColor = Switch01(l.ZipColor);
    l.SpineAlign = ClampInt(l.SpineAlign, 0, 2);
    l.NumFiles = l.NumFiles < 0 ? 0 : l.NumFiles;
    l.NumFolders = l.NumFolders < 0 ? 0 : l.NumFolders;
    return true;
}

void PutLookSection(std::string* out, const ZIPINFO& l) {
    PutDotText(out, l.VolumeName, sizeof l.VolumeName);
    PutDotText(out, l.Comment, sizeof l.Comment);
    for (int32_t n : {l.SortMode, l.Direction, l.Columns, l.Lined, l.ShowSize, l.ShowExt, l.ShowComm, l.ShowZip,
                      l.LblFmt, l.Opposing})
        PutNumber(out, n);
    PutNumber(out, static_cast<int32_t>(l.BkgndColor));
    for (int32_t n : {l.FontHeight, l.DirFontHeight, l.CommFontHeight, l.ZipColor}) PutNumber(out, n);
    for (ColorRef c : {l.FontColor, l.DirFontColor, l.CommFontColor, l.SpineFontColor, l.SpineBkgndColor})
        PutNumber(out, static_cast<int32_t>(c));
    PutNumber(out, l.SpineAlign);
    for (int64_t n : {l.SpaceUsed, l.SpaceFree, l.SpaceTotal}) PutNumber(out, n);
    PutNumber(out, l.NumFiles);
    PutNumber(out, l.NumFolders);
    PutDotText(out, l.ShortDate, sizeof l.ShortDate);
    PutDotText(out, l.LongDate, 64);  // only the first 64 are ever filled
    for (const FontDesc* f : {&l.Font, &l.DirFont, &l.CommFont, &l.SpineFont}) PutFontBlock(out, *f);
    int count = l.ExtStyles ? ClampInt(l.NumExtStyles, 0, kMaxExtStyles) : 0;
    PutNumber(out, count);
    for (int i = 0; i < count; ++i) {
        const ExtStyle& s = l.ExtStyles[i];
        PutDotText(out, s.ExtName, sizeof s.ExtName);
        PutNumber(out, static_cast<int32_t>(s.ExtColor));
        PutFontBlock(out, s.ExtFont);
    }
}
