#include "tests/core/program_state.h"

#include <cstring>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "document/label_copy.h"
#include "document/program_settings.h"
#include "document/settings.h"
#include "shell/program_records.h"
#include "shell/view_state.h"

void ResetProgramState(const EditionProfile& edition) {
    for (ZIPINFO& label : g_labelRecords) {
        ClearLabel(&label);
        std::memset(&label, 0, sizeof label);
    }
    PrepareLabelRecords(edition.labelCount);
    FreeExcludePatterns(&g_scan);
    g_scan = ScanSettings();
    g_view = ViewState();
    g_settings = ProgramSettings();
    ForgetLoadedSettings();
}
