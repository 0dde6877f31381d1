#include "catalog/disk_facts.h"

#include <cstdio>

#include "catalog/catalog_ops.h"
#include "catalog/dates.h"
#include "base/text_field.h"

namespace {
bool NoSpace(const char*, uint64_t*, uint64_t*) { return false; }
bool NoLabel(const char*, char*, int) { return false; }

const DiskQueries kNoQueries = {NoSpace, NoLabel};
const DiskQueries* g_queries = &kNoQueries;

int64_t Signed(uint64_t value) { return value > INT64_MAX ? INT64_MAX : static_cast<int64_t>(value); }
}  // namespace

void SetDiskQueries(const DiskQueries* queries) { g_queries = queries ? queries : &kNoQueries; }

void GatherDiskFacts(ZIPINFO* label, char drive) {
    char root[4];
    std::snprintf(root, sizeof root, "%c:\\", drive);

    uint64_t total = 0;
    uint64_t free = 0;
    if (!g_queries->space(root, &total, &free)) total = free = 0;
    label->SpaceTotal = Signed(total);
    label->SpaceFree = Signed(free);
    label->SpaceUsed = Signed(total > free ? total - free : 0);

    TodayDates(label->ShortDate, 64, label->LongDate, 64);
    RecountCatalog(label);

    char volume[64] = "";
    if (!g_queries->volumeLabel(root, volume, sizeof volume)) volume[0] = '\0';
    volume[sizeof volume - 1] = '\0';
    CopyField(label->VolumeName, volume);
}
