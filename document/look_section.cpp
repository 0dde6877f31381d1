#include "document/look_section.h"

#include <cstdlib>
#include <initializer_list>

#include "catalog/dates.h"
#include "document/look_schema.h"
#include "document/settings_bounds.h"

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
    PutStyles(label, styles, count);
    for (int i = 0; i < count; ++i) {
        ExtStyle& s = styles[i];
        if (!ReadDotText(r, s.ExtName, sizeof s.ExtName) || !Color(r, &s.ExtColor) || !ReadFontBlock(r, &s.ExtFont))
            return false;
    }
    return true;
}

void PutExtStyles(std::string* out, const ZIPINFO& label) {
    int count = ClampInt(HeldStyles(label), 0, kMaxExtStyles);
    PutNumber(out, count);
    for (int i = 0; i < count; ++i) {
        const ExtStyle& s = StylesOf(label)[i];
        PutDotText(out, s.ExtName, sizeof s.ExtName);
        PutNumber(out, static_cast<int32_t>(s.ExtColor));
        PutFontBlock(out, s.ExtFont);
    }
}

// The disk facts and the label's dates: stored from version 25 on; an
// older section is read with none and today's dates.
bool ReadDiskFacts(LineReader* r, int v, ZIPINFO* label) {
    ZIPINFO& l = *label;
    if (v >= kFirstDatedVersion)
        return Space(r, &l.SpaceUsed) && Space(r, &l.SpaceFree) && Space(r, &l.SpaceTotal) &&
               ReadInt(r, &l.NumFiles) && ReadInt(r, &l.NumFolders) &&
               ReadDotText(r, l.ShortDate, sizeof l.ShortDate) && ReadDotText(r, l.LongDate, 64);
    l.SpaceUsed = l.SpaceFree = l.SpaceTotal = 0;
    l.NumFiles = l.NumFolders = 0;
    TodayDates(l.ShortDate, sizeof l.ShortDate, l.LongDate, 64);
    return true;
}

void PutDiskFacts(std::string* out, const ZIPINFO& l) {
    for (int64_t n : {l.SpaceUsed, l.SpaceFree, l.SpaceTotal}) PutNumber(out, n);
    PutNumber(out, l.NumFiles);
    PutNumber(out, l.NumFolders);
    PutDotText(out, l.ShortDate, sizeof l.ShortDate);
    PutDotText(out, l.LongDate, 64);  // only the first 64 are ever filled
}

int32_t& Number(const LookField& f, ZIPINFO* label) { return *static_cast<int32_t*>(f.at(*label).at); }

// A field's line as the section holds it.
bool ReadField(LineReader* r, int v, const LookField& f, ZIPINFO* label) {
    switch (f.kind) {
    case LOOK_DISK_FACTS: return ReadDiskFacts(r, v, label);
    case LOOK_STYLES: return v < f.since || ReadExtStyles(r, label);
    default: break;
    }
    FieldRef field = f.at(*label);
    if (v < f.since) {
        if (f.ini.rule == RULE_COLUMNS) SectionColumns(label, false);
        else *static_cast<int32_t*>(field.at) = f.absent;
        return true;
    }
    switch (f.kind) {
    case LOOK_TEXT: return ReadDotText(r, static_cast<char*>(field.at), static_cast<size_t>(field.size));
    case LOOK_FONT: return ReadFontBlock(r, static_cast<FontDesc*>(field.at));
    case LOOK_COLOR: return Color(r, static_cast<ColorRef*>(field.at));
    case LOOK_HEIGHT: return Height(r, static_cast<int32_t*>(field.at));
    default:
        if (!ReadInt(r, static_cast<int32_t*>(field.at))) return false;
        if (f.ini.rule == RULE_COLUMNS) SectionColumns(label, true);
        return true;
    }
}

// A number kept within what the INI keeps it in.
void Settle(const LookField& f, ZIPINFO* label) {
    if (f.kind != LOOK_NUMBER) return;
    int32_t& n = Number(f, label);
    switch (f.ini.rule) {
    case RULE_SWITCH:
    case RULE_COLUMNS: n = Switch01(n); break;
    case RULE_CLAMP: n = ClampInt(n, f.ini.low, f.ini.high); break;
    case RULE_DIRECTION: n = SoundDirection(n); break;
    default: break;
    }
}

}  // namespace

bool ReadLookSection(LineReader* r, int v, ZIPINFO* label) {
    PutStyles(label, nullptr, 0);
    if (!ReadDotText(r, label->VolumeName, sizeof label->VolumeName)) return false;
    for (int i = 0; i < kLookFieldCount; ++i)
        if (!ReadField(r, v, kLookSchema[i], label)) return false;
    for (int i = 0; i < kLookFieldCount; ++i) Settle(kLookSchema[i], label);
    label->NumFiles = label->NumFiles < 0 ? 0 : label->NumFiles;
    label->NumFolders = label->NumFolders < 0 ? 0 : label->NumFolders;
    return true;
}

void PutLookSection(std::string* out, const ZIPINFO& label, int version) {
    PutDotText(out, label.VolumeName, sizeof label.VolumeName);
    auto& l = const_cast<ZIPINFO&>(label);  // the fields are only read
    for (int i = 0; i < kLookFieldCount; ++i) {
        const LookField& f = kLookSchema[i];
        if (f.since > version) continue;
        switch (f.kind) {
        case LOOK_DISK_FACTS: PutDiskFacts(out, label); break;
        case LOOK_STYLES: PutExtStyles(out, label); break;
        case LOOK_TEXT: {
            FieldRef field = f.at(l);
            PutDotText(out, static_cast<const char*>(field.at), static_cast<size_t>(field.size));
            break;
        }
        case LOOK_FONT: PutFontBlock(out, *static_cast<const FontDesc*>(f.at(l).at)); break;
        default: PutNumber(out, *static_cast<const int32_t*>(f.at(l).at)); break;
        }
    }
}
