#include "document/look_schema.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "catalog/comment_entry.h"
#include "document/look.h"
#include "document/settings_bounds.h"
#include "render/catalog_geometry.h"

int HeldStyles(const ZIPINFO& label) { return label.ExtStyles ? label.NumExtStyles : 0; }
const ExtStyle* StylesOf(const ZIPINFO& label) { return label.ExtStyles; }

void PutStyles(ZIPINFO* label, ExtStyle* styles, int count) {
    std::free(label->ExtStyles);
    label->ExtStyles = styles;
    label->NumExtStyles = styles ? count : 0;
}

bool CopyStyles(const ZIPINFO& from, ZIPINFO* to) {
    if (&from == to) return true;
    int count = HeldStyles(from);
    ExtStyle* styles = nullptr;
    if (count > 0) {
        styles = static_cast<ExtStyle*>(std::malloc(sizeof(ExtStyle) * static_cast<size_t>(count)));
        if (!styles) return false;
        std::memcpy(styles, from.ExtStyles, sizeof(ExtStyle) * static_cast<size_t>(count));
    }
    PutStyles(to, styles, count);
    return true;
}

void MoveStyles(ZIPINFO* from, ZIPINFO* to) {
    PutStyles(to, from->ExtStyles, from->NumExtStyles);
    from->ExtStyles = nullptr;
    from->NumExtStyles = 0;
}

void CopyCarriedFields(const ZIPINFO& from, ZIPINFO* to, LookCarry walk) {
    auto& source = const_cast<ZIPINFO&>(from);  // only read
    for (int i = 0; i < kLookFieldCount; ++i) {
        const LookField& f = kLookSchema[i];
        if (!(f.carry & walk) || !f.at) continue;
        FieldRef field = f.at(*to);
        if (f.kind == LOOK_FONT && walk == CARRY_TEMPLATE) {
            auto* font = static_cast<FontDesc*>(field.at);
            uint8_t underline = font->lfUnderline;
            *font = *static_cast<const FontDesc*>(f.at(source).at);
            font->lfUnderline = underline;
        } else {
            std::memcpy(field.at, f.at(source).at, static_cast<size_t>(field.size));
        }
    }
}

void SoundLabelColumns(ZIPINFO* label) { SoundColumns(&label->Columns, &label->Lined); }

void SectionColumns(ZIPINFO* label, bool linedStored) {
    if (!linedStored) label->Lined = label->Columns >= 0 ? 1 : 0;
    int64_t columns = label->Columns < 0 ? -int64_t(label->Columns) : label->Columns;
    label->Columns = static_cast<int32_t>(columns > kMaxColumns ? kMaxColumns : columns);
}

namespace {

// Each extension style of a label, "ExtName<label>_<style>".
int HeldStyleKeys(const SettingsPlace& p) { return HeldStyles(*p.label); }

void ReplaceStyleKeys(const SettingsPlace& p, int count) {
    PutStyles(p.label, nullptr, 0);
    if (count <= 0) return;
    // Without the memory the label simply has no styles.
    PutStyles(p.label, static_cast<ExtStyle*>(std::calloc(static_cast<size_t>(count), sizeof(ExtStyle))), count);
}

#define STYLE(f) [](const SettingsPlace& p, int n) { return Field(p.label->ExtStyles[n].f); }
constexpr SettingRow kStyleRows[] = {
    // key             store      rule       default      field               save  low high
    {"ExtName%d_%d",   KEY_TEXT,  RULE_NONE, Text("xxx"), STYLE(ExtName),     1,    0,  7},
    {"ExtColor%d_%d",  KEY_INT,   RULE_RGB,  Same(0),     STYLE(ExtColor),    2},
    {"ExtFont%d_%d",   KEY_FONT,  RULE_NONE, kNoFallback, STYLE(ExtFont),     3},
};
#undef STYLE
static_assert(IsAnOrder(kStyleRows, static_cast<int>(std::size(kStyleRows))), "the exit's order of a style's keys");
constexpr SettingList kStyles = {kStyleRows, static_cast<int>(std::size(kStyleRows)), HeldStyleKeys, ReplaceStyleKeys};

#define AT(f) [](ZIPINFO& l) { return Field(l.f); }
constexpr FieldOf kOnLabel = nullptr;  // the row's `at`
constexpr uint8_t RDT = CARRY_RESET | CARRY_DUPLICATE | CARRY_TEMPLATE;
constexpr uint8_t RT = CARRY_RESET | CARRY_TEMPLATE;
constexpr uint8_t DT = CARRY_DUPLICATE | CARRY_TEMPLATE;
constexpr SettingRow kNoKey = {};

// The defaults of the INI and of Reset differ where an edition's reset
// look differs from its first start: Wimbrook's spine starts opposed and
// resets to one side. A body older than a field's line gives the value the
// oldest program had, not the INI default (Opposing: 0).
constexpr LookField kRows[] = {
    // at               kind          INI: key            store     rule            default         field    save low high
    //                                load since absent   reset            slot         carry
    {AT(Comment),       LOOK_TEXT,    {"Comment%d",       KEY_TEXT, RULE_NONE,      Text(kDefaultComment), kOnLabel, 18, 0, 254},
                                      18,  16,   0,       Text(kDefaultComment), FONT_FILES, CARRY_RESET},
    {AT(SortMode),      LOOK_NUMBER,  {"SortMode%d",      KEY_INT,  RULE_CLAMP,     Same(1),        kOnLabel, 1,  1,  3},
                                      3,   16,   0,       Same(1),         FONT_FILES,  RDT},
    {AT(Direction),     LOOK_NUMBER,  {"Direction%d",     KEY_INT,  RULE_DIRECTION, Same(1),        kOnLabel, 2},
                                      4,   16,   0,       Same(1),         FONT_FILES,  RDT},
    {AT(Columns),       LOOK_NUMBER,  {"Columns%d",       KEY_INT,  RULE_NONE,      Same(3),        kOnLabel, 3},
                                      1,   16,   0,       Same(3),         FONT_FILES,  RDT},
    // Read right after Columns, and taken from its sign before version 25.
    {AT(Lined),         LOOK_NUMBER,  {"Lined%d",         KEY_INT,  RULE_COLUMNS,   Same(1),        kOnLabel, 4},
                                      2,   25,   0,       Same(1),         FONT_FILES,  RDT},
    {AT(ShowSize),      LOOK_NUMBER,  {"ShowSize%d",      KEY_INT,  RULE_SWITCH,    Each(1, 1, 0),  kOnLabel, 5},
                                      5,   16,   0,       Each(1, 1, 0),   FONT_FILES,  RDT},
    {AT(ShowExt),       LOOK_NUMBER,  {"ShowExt%d",       KEY_INT,  RULE_SWITCH,    Same(1),        kOnLabel, 6},
                                      6,   16,   0,       Same(1),         FONT_FILES,  RDT},
    {AT(ShowComm),      LOOK_NUMBER,  {"ShowComm%d",      KEY_INT,  RULE_SWITCH,    Each(1, 1, 0),  kOnLabel, 7},
                                      7,   16,   0,       Each(1, 1, 0),   FONT_FILES,  RDT},
    {AT(ShowZip),       LOOK_NUMBER,  {"ShowZip%d",       KEY_INT,  RULE_SWITCH,    Same(1),        kOnLabel, 8},
                                      8,   17,   1,       Same(1),         FONT_FILES,  RDT},
    {AT(LblFmt),        LOOK_NUMBER,  {"LblFmt%d",        KEY_INT,  RULE_CLAMP,     Same(0),        kOnLabel, 9,  0,  6},
                                      9,   17,   0,       Same(0),         FONT_FILES,  RT},
    {AT(Opposing),      LOOK_NUMBER,  {"Opposing%d",      KEY_INT,  RULE_SWITCH,    Each(0, 1, 1),  kOnLabel, 10},
                                      10,  19,   0,       Each(0, 1, 0),   FONT_FILES,  RDT},
    {AT(BkgndColor),    LOOK_COLOR,   {"BkgndColor%d",    KEY_BITS, RULE_RGB,       Same(kWhite),   kOnLabel, 11},
                                      11,  18,   kWhite,  Same(kWhite),    FONT_FILES,  RT},
    {AT(FontHeight),    LOOK_HEIGHT,  kNoKey,             0,   16,   0,       Same(0),         FONT_FILES,  DT},
    {AT(DirFontHeight), LOOK_HEIGHT,  kNoKey,             0,   16,   0,       Same(0),         FONT_FILES,  DT},
    {AT(CommFontHeight), LOOK_HEIGHT, kNoKey,             0,   16,   0,       Same(0),         FONT_FILES,  DT},
    {AT(ZipColor),      LOOK_NUMBER,  {"ZipColor%d",      KEY_INT,  RULE_SWITCH,    Same(0),        kOnLabel, 23},
                                      23,  16,   0,       Same(0),         FONT_FILES,  RDT},
    {AT(FontColor),     LOOK_COLOR,   {"FontColor%d",     KEY_BITS, RULE_RGB,       Same(0),        kOnLabel, 13},
                                      13,  16,   0,       Same(0),         FONT_FILES,  RDT},
    {AT(DirFontColor),  LOOK_COLOR,   {"DirFontColor%d",  KEY_BITS, RULE_RGB,       Same(0),        kOnLabel, 15},
                                      15,  16,   0,       Same(0),         FONT_FILES,  RDT},
    {AT(CommFontColor), LOOK_COLOR,   {"CommFontColor%d", KEY_BITS, RULE_RGB,       Same(0),        kOnLabel, 17},
                                      17,  16,   0,       Same(0),         FONT_FILES,  RDT},
    {AT(SpineFontColor), LOOK_COLOR,  {"SpineFontColor%d", KEY_BITS, RULE_RGB,      Same(0),        kOnLabel, 20},
                                      20,  16,   0,       Same(0),         FONT_FILES,  RDT},
    {AT(SpineBkgndColor), LOOK_COLOR, {"SpineBkgndColor%d", KEY_BITS, RULE_RGB,     Same(kWhite),   kOnLabel, 21},
                                      21,  18,   kWhite,  Same(kWhite),    FONT_FILES,  RT},
    {AT(SpineAlign),    LOOK_NUMBER,  {"SpineAlign%d",    KEY_INT,  RULE_CLAMP,     Same(0),        kOnLabel, 22, 0,  2},
                                      22,  19,   0,       Same(0),         FONT_FILES,  RDT},
    {nullptr,           LOOK_DISK_FACTS, kNoKey,          0,   25,   0,       kNoFallback,     FONT_FILES,  0},
    // A font's keys missing their height load as never set (height -1).
    {AT(Font),          LOOK_FONT,    {"Font%d",          KEY_FONT, RULE_NONE,      kNoFallback,    kOnLabel, 12},
                                      12,  16,   0,       kNoFallback,     FONT_FILES,  RDT},
    {AT(DirFont),       LOOK_FONT,    {"DirFont%d",       KEY_FONT, RULE_NONE,      kNoFallback,    kOnLabel, 14},
                                      14,  16,   0,       kNoFallback,     FONT_FOLDERS, RDT},
    {AT(CommFont),      LOOK_FONT,    {"CommFont%d",      KEY_FONT, RULE_NONE,      kNoFallback,    kOnLabel, 16},
                                      16,  16,   0,       kNoFallback,     FONT_COMMENT, RDT},
    {AT(SpineFont),     LOOK_FONT,    {"SpineFont%d",     KEY_FONT, RULE_NONE,      kNoFallback,    kOnLabel, 19},
                                      19,  16,   0,       kNoFallback,     FONT_SPINE,  RDT},
    {nullptr,           LOOK_STYLES,  {"Exts%d",          KEY_LIST, RULE_CLAMP,     Same(0),        kOnLabel, 24, 0,  kMaxExtStyles,
                                       kAllEditions, false, 1, &kStyles},
                                      24,  17,   0,       kNoFallback,     FONT_FILES,  RDT},
};
#undef AT

constexpr int kKeyCount = [] {
    int n = 0;
    for (const LookField& f : kRows) n += f.ini.key ? 1 : 0;
    return n;
}();

// The INI rows in their reading order, each pointing at its field.
constexpr std::array<SettingRow, kKeyCount> InReadingOrder() {
    std::array<SettingRow, kKeyCount> rows{};
    for (const LookField& f : kRows) {
        if (!f.ini.key) continue;
        rows[f.load - 1] = f.ini;
        rows[f.load - 1].labelField = f.at;
    }
    return rows;
}
constexpr std::array<SettingRow, kKeyCount> kKeys = InReadingOrder();

constexpr bool EveryPlaceOnce() {
    for (int place = 1; place <= kKeyCount; ++place) {
        int found = 0;
        for (const LookField& f : kRows) found += f.ini.key && f.load == place ? 1 : 0;
        if (found != 1) return false;
    }
    return true;
}
static_assert(EveryPlaceOnce(), "the reading order of a label's keys");
static_assert(IsAnOrder(kKeys.data(), kKeyCount), "the exit's order of a label's keys");

}  // namespace

const LookField* const kLookSchema = kRows;
const int kLookFieldCount = static_cast<int>(std::size(kRows));
const SettingList kLabelKeys = {kKeys.data(), kKeyCount, nullptr, nullptr};
