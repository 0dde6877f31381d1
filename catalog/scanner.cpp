#include "catalog/scanner.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "catalog/archive_reader.h"
#include "catalog/byte_file.h"
#include "catalog/catalog_ops.h"
#include "catalog/disk_facts.h"
#include "catalog/fold_paths.h"
#include "catalog/listing.h"
#include "catalog/scan_settings.h"
#include "catalog/scan_text.h"
#include "base/text_compare.h"
#include "base/text_field.h"
#include "base/report.h"

namespace {

constexpr int kBlock = 256;

// Whether the exclusion list leaves a file out. An empty list leaves
// everything in, whatever the mode (the mode is forced to exclude then).
bool LeftOut(const char* name, const ScanSettings& scan) {
    if (scan.NumExclude <= 0 || !scan.Exclude) return false;
    bool matches = false;
    for (int i = 0; i < scan.NumExclude && !matches; ++i)
        matches = ContainsNoCase(name, scan.Exclude[i], strnlen(scan.Exclude[i], 31));
    return scan.ExcludeMode == 0 ? !matches : matches;
}

int ArchiveModeOf(const char* name) {
    if (ContainsNoCase(name, ".zip")) return kArchiveModeZip;
    if (ContainsNoCase(name, ".arj")) return kArchiveModeArj;
    return kArchiveModeNone;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "Track" + two digits + ".cda", 44 bytes: a track of an audio CD as the
// system presents it.
bool IsTrackFile(const CatalogEntry& e) {
    return e.Size == 44 && std::strncmp(e.Name, "Track", 5) == 0 && IsDigit(e.Name[5]) && IsDigit(e.Name[6]) &&
           std::strcmp(e.Name + 7, ".cda") == 0;
}

void TimeTrackFile(char drive, CatalogEntry* e) {
    std::string name = std::string(1, drive) + ":\\" + e->Name;
    void* file = OpenByteFile(name.c_str());
    if (!file) return;
    unsigned char data[44];
    if (ReadByteFileAt(file, 0, data, sizeof data) == static_cast<int64_t>(sizeof data))
        TrackFileTimeText(data, e->EntryComment);
    CloseByteFile(file);
}

// The child list of a folder or archive, or null when it cannot be listed.
ZIPINFO* ScanBelow(char drive, const std::string& path, const char* name, int depth, int levels,
                   const EditionProfile& edition, int archiveMode, const ScanSettings& scan) {
    std::string below = path + "\\" + name;
    return ScanDrive(drive, below.c_str(), depth + 1, levels, nullptr, edition, archiveMode, scan);
}

void Attach(CatalogEntry* e, ZIPINFO* child) {
    if (!child) return;
    e->HasSubtree = 1;
    e->Child = child;
    e->Open = 1;
}

uint64_t Summarize(ZIPINFO* list, int dirComm) {
    uint64_t total = 0;
    for (int i = 0; i < list->NumEntries; ++i) {
        CatalogEntry& e = list->Entries[i];
        total += dirComm == 1 ? 1 : e.Size;
        if (!e.Child) continue;
        uint64_t below = Summarize(e.Child, dirComm);
        total += below;
        if (e.HasSubtree != 1) continue;
        if (dirComm == 1)
            SummaryCountText(below, e.EntryComment);
        else
            SummarySizeText(below, e.EntryComment);
    }
    return total;
}

void PostProcess(ZIPINFO* record, char drive, const ScanSettings& scan) {
    if (scan.ScanArchives) FoldArchivePaths(record);
    SoftenAllNames(record);
    if (scan.DirComm == 1 || scan.DirComm == 2) WriteFolderSummaries(record, scan.DirComm);
    GatherDiskFacts(record, drive);
    InvalidateLayout(record);
}

}  // namespace

void SoftenAllNames(ZIPINFO* list) {
    for (int i = 0; i < list->NumEntries; ++i) {
        SoftenName(list->Entries[i].Name);
        if (list->Entries[i].Child) SoftenAllNames(list->Entries[i].Child);
    }
}

void WriteFolderSummaries(ZIPINFO* list, int dirComm) { Summarize(list, dirComm); }

ZIPINFO* ScanDrive(char drive, const char* path, int depth, int levels, ZIPINFO* record,
                   const EditionProfile& edition, int archiveMode, const ScanSettings& scan) {
    if (!record)
        record = NewCatalogList();
    else
        FreeCatalog(record);
    // "All Levels" is the deepest a scan goes, whatever the setting holds.
    const int maxDepth = levels < -kAllLevels || levels > kAllLevels ? kAllLevels : (levels < 0 ? -levels : levels);
    const std::string here = path ? path : "";
    const std::string pattern = std::string(1, drive) + ":" + here + "\\*.*";
    const ListingSource& source = archiveMode == kArchiveModeNone ? SystemListing() : ArchiveListing(archiveMode);

    ListingRecord name;
    std::memset(&name, 0, sizeof name);
    void* listing = source.findFirst(pattern.c_str(), &name);
    if (!listing) {
        if (depth > 0) {
            DeleteCatalogList(record);
            return nullptr;
        }
        PostProcess(record, drive, scan);
        return record;
    }

    // Every entry is cleared as it is recorded, so the block itself is not
    // zero-filled: most folders use a few of its 256 entries.
    int capacity = kBlock;
    auto* entries = static_cast<CatalogEntry*>(std::malloc(sizeof(CatalogEntry) * kBlock));
    if (!entries) FatalError(kFirstArrayFailure);
    int count = 0;
    bool more = true;
    bool placeholder = false;
    if (std::strcmp(name.Name, ".") == 0) {
        more = source.findNext(listing, &name) == 1;
        if (more && std::strcmp(name.Name, "..") == 0) more = source.findNext(listing, &name) == 1;
        placeholder = !more && levels > 0;
    }
    for (; more; more = source.findNext(listing, &name) == 1) {
        name.Name[sizeof name.Name - 1] = '\0';
        name.ShortName[sizeof name.ShortName - 1] = '\0';
        if (count == capacity) {
            auto* grown = static_cast<CatalogEntry*>(
                std::realloc(entries, sizeof(CatalogEntry) * static_cast<size_t>(capacity + kBlock)));
            if (!grown) FatalError(kGrowFailure);
            entries = grown;
            capacity += kBlock;
        }
        if (name.Attributes & kAttrHidden) continue;
        const bool folder = (name.Attributes & kAttrFolder) != 0;
        if (std::strcmp(name.Name, ".") == 0 || std::strcmp(name.Name, "..") == 0) continue;
        if (!folder && LeftOut(name.Name, scan)) continue;
        if (levels < 0 && !folder) continue;

        CatalogEntry& e = entries[count];
        std::memset(&e, 0, sizeof e);
        CopyField(e.Name, name.Name);
        e.Size = name.SizeLow;
        if (folder) {
            CopyField(e.EntryComment, "[dir]");
            if (depth < maxDepth)
                Attach(&e, ScanBelow(drive, here, OpeningName(name), depth, levels, edition, archiveMode, scan));
        } else {
            SizeText(e.Size, e.EntryComment);
            int mode = scan.ScanArchives && archiveMode == kArchiveModeNone ? ArchiveModeOf(name.Name)
                                                                            : kArchiveModeNone;
            if (mode != kArchiveModeNone)
                Attach(&e, ScanBelow(drive, here, OpeningName(name), depth, levels, edition, mode, scan));
            if (depth == 0 && edition.id == EDITION_DOVANTEL && IsTrackFile(e)) TimeTrackFile(drive, &e);
        }
        ++count;
    }
    source.close(listing);

    if (placeholder) {
        std::memset(&entries[0], 0, sizeof entries[0]);
        CopyField(entries[0].Name, "(Empty)");
        count = 1;
    }
    if (count == 0) {
        std::free(entries);
        entries = nullptr;
    } else {
        // One spare entry, as editors that add an entry expect.
        auto* cut = static_cast<CatalogEntry*>(std::realloc(entries, sizeof(CatalogEntry) * static_cast<size_t>(count + 1)));
        if (cut) {
            entries = cut;
            std::memset(&entries[count], 0, sizeof entries[count]);
        }
    }
    record->Entries = entries;
    record->NumEntries = count;
    if (depth == 0) PostProcess(record, drive, scan);
    return record;
}
