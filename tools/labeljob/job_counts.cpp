#include "tools/labeljob/job_counts.h"

#include <cstring>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "document/body_file.h"
#include "render/label_geometry.h"
#include "render/layout_cache.h"
#include "render/page_flow.h"
#include "render/print_plan.h"

std::string SavedSpineText(const std::string& bytes) {
    ZIPINFO label;
    std::memset(&label, 0, sizeof label);
    if (ReadBody(bytes.data(), bytes.size(), &label) != FILE_OK) return std::string();
    std::string text(label.VolumeName, strnlen(label.VolumeName, sizeof label.VolumeName));
    FreeScratchLabel(&label);
    return text;
}

bool CountSavedBody(const std::string& bytes, const EditionProfile& edition, const JobPrintSettings& settings,
                    JobCounts* counts, std::string* error) {
    ZIPINFO label;
    std::memset(&label, 0, sizeof label);
    if (ReadBody(bytes.data(), bytes.size(), &label) != FILE_OK) {
        *error = "the saved body does not read back";
        return false;
    }
    RecountCatalog(&label);
    counts->files = label.NumFiles;
    counts->folders = label.NumFolders;
    counts->entries = EnsureLayoutCache(&label);

    // The whole label on the job's printer, as the print command plans it;
    // the paper's size moves pieces but never adds or drops one.
    PrintRequest request;
    request.edition = &edition;
    request.kind = edition.id == EDITION_WIMBROOK ? settings.labelKind : KindForFormat(label.LblFmt);
    request.placement.multiPage = settings.multiPage;
    // The geometry settings move only Wimbrook's body, which has no booklet.
    const GeometrySettings geometry = {};
    int sheets = 1;
    if (edition.id != EDITION_WIMBROOK && IsBookletKind(edition, request.kind))
        sheets = BookletSheetCount(&label, edition, geometry, request.kind, false);
    request.toSheet = sheets;
    request.lastSheet = sheets > 1 ? LastSheetWithContent(&label, edition, geometry, request.kind, sheets) : 1;
    // Wimbrook: the body is the label the job read; the sheet's other
    // labels were empty, so they print only as empty labels.
    request.printsLabel[0] = WimbrookLabelPrints(label, settings.separate);
    for (int i = 1; i < kMaxLabels; ++i) request.printsLabel[i] = settings.separate;
    std::vector<PrintSheet> plan = PlanPrintJob(request);
    counts->sheets = static_cast<int>(plan.size());
    counts->pages = 0;
    for (const PrintSheet& sheet : plan) counts->pages += static_cast<int>(sheet.pieces.size());
    FreeScratchLabel(&label);
    return true;
}
