// Prints this edition's fidelity jobs to the PDF queues, each under its own
// title "<case>-<token>", through the print command's job (PrintOnContext)
// on a context made without the dialog. Writes one "case title" line per
// job to the manifest the measuring step (measure_print.py) reads; the
// places each job must land at are written there, not here.
//
//   print_jobs_<edition>.exe MANIFEST
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "catalog/catalog_ops.h"
#include "catalog/labels.h"
#include "base/text_field.h"
#include "document/label_copy.h"
#include "document/object_list.h"
#include "document/program_settings.h"
#include "editions/edition.h"
#include "render/label_geometry.h"
#include "render/print_plan.h"
#include "shell/view_state.h"
#include "shell/win32/print_command.h"
#include "tests/core/program_state.h"
#include "tests/samples/sample_labels.h"

namespace {

constexpr short kA4 = DMPAPER_A4, kLetter = DMPAPER_LETTER;

struct Job {
    const char* name;
    EditionId edition;
    const char* queue;
    short paper;
    int kind;
    int what = PRINT_WHOLE;
    int from = 1, to = 1;
    std::function<void()> prepare = [] {};
};

std::string g_token;

// The label(s) of a fresh program with the placement defaults of Printer
// Setup; the case then changes what it is about.
void FreshProgram(const Job& job) {
    const EditionProfile& edition = TheEdition();
    ResetProgramState(edition);
    g_view.labelKind = job.kind;
    g_view.currentPage = 1;
    g_view.windowScale = 1.0;
    g_settings.OrigPosition = 1;
    CopyField(g_settings.Initials, "KJ");
    CopyField(g_settings.Number, edition.id == EDITION_WIMBROOK ? "1.44" : "1,000");
    int count = edition.id == EDITION_WIMBROOK ? 9 : 1;
    for (int i = 0; i < count; ++i) {
        BuildSampleLabel(&g_labelRecords[i], edition, i);
        // Entries only: lines under them would lie near the outlines measured.
        g_labelRecords[i].Lined = 0;
    }
    if (edition.id != EDITION_WIMBROOK) g_labelRecords[0].LblFmt = job.kind == KIND_BOOKLET ? 6 : 1;
    if (edition.id == EDITION_DOVANTEL && job.kind == KIND_BOOKLET) g_labelRecords[0].LblFmt = 5;
}

void ManyEntries(int count) {
    ZIPINFO* label = g_currentLabel;
    FreeCatalog(label);
    FillSampleList(label, count, "entry%04d.txt");
    label->LayoutValid = 0;
}

void OnlyObjectsOn(int page) {
    ZIPINFO* label = g_currentLabel;
    ClearLabel(label);
    BuildSampleLabel(label, TheEdition());
    label->Lined = 0;
    label->LblFmt = 6;
    FreeCatalog(label);
    FillSampleList(label, 30, "entry%04d.txt");
    label->LayoutValid = 0;
    FreeLabelObjects(label);
    AddSamplePicture(label, page, 1, {100, -100, 300, -300}, RGB(255, 0, 0), RGB(255, 200, 200));
}

// Wimbrook: the odd labels of the sheet are empty.
void EmptyOddLabels() {
    for (int i = 1; i < 9; i += 2) {
        ClearLabel(&g_labelRecords[i]);
        g_labelRecords[i].LayoutValid = 0;
    }
}

std::vector<Job> Jobs() {
    auto own = [] {
        g_settings.OrigPosition = 0;
        g_settings.NewPosX = 0.5;
        g_settings.NewPosY = 0.75;
        g_settings.NewPosX2 = 5.6;
        g_settings.NewPosY2 = 1.25;
    };
    auto crop = [] { g_settings.CropMarks = 1; };
    auto space = [] { g_settings.Separate = 1; };
    std::vector<Job> jobs = {
        {"k-default", EDITION_KESTRIN, "LabelPDF", kA4, KIND_COVERS, PRINT_WHOLE, 1, 1, crop},
        {"k-space", EDITION_KESTRIN, "LabelPDF", kA4, KIND_COVERS, PRINT_WHOLE, 1, 1, space},
        {"k-newpos", EDITION_KESTRIN, "LabelPDF", kA4, KIND_COVERS, PRINT_WHOLE, 1, 1, own},
        {"k-newpage", EDITION_KESTRIN, "LabelPDF", kA4, KIND_COVERS, PRINT_WHOLE, 1, 1,
         [] { g_settings.MultiPage = g_settings.CropMarks = 1; }},
        {"k-front", EDITION_KESTRIN, "LabelPDF", kA4, KIND_COVERS, PRINT_FRONT_ONLY},
        {"k-back", EDITION_KESTRIN, "LabelPDF", kA4, KIND_COVERS, PRINT_BACK_ONLY},
        {"k-booklet23", EDITION_KESTRIN, "LabelPDF", kA4, KIND_BOOKLET, PRINT_WHOLE, 2, 3, [] { ManyEntries(700); }},
        {"k-object5", EDITION_KESTRIN, "LabelPDF", kA4, KIND_BOOKLET, PRINT_WHOLE, 1, 9, [] { OnlyObjectsOn(5); }},
        {"k-margin", EDITION_KESTRIN, "LabelPDFMargin", kA4, KIND_COVERS},
        {"d-default", EDITION_DOVANTEL, "LabelPDF", kA4, KIND_COVERS, PRINT_WHOLE, 1, 1, crop},
        {"d-space", EDITION_DOVANTEL, "LabelPDF", kA4, KIND_COVERS, PRINT_WHOLE, 1, 1, space},
        {"d-booklet", EDITION_DOVANTEL, "LabelPDF", kA4, KIND_BOOKLET, PRINT_WHOLE, 1, 2,
         [] { ManyEntries(500); g_settings.CropMarks = 1; }},
        {"w-nine", EDITION_WIMBROOK, "LabelPDF", kLetter, KIND_SHEET, PRINT_WHOLE, 1, 1,
         [] { EmptyOddLabels(); g_settings.CropMarks = 1; }},
        {"w-nine-empty", EDITION_WIMBROOK, "LabelPDF", kLetter, KIND_SHEET, PRINT_WHOLE, 1, 1,
         [] { EmptyOddLabels(); g_settings.Separate = 1; }},
        {"w-one", EDITION_WIMBROOK, "LabelPDF", kLetter, KIND_COVERS},
        {"w-margin", EDITION_WIMBROOK, "LabelPDFMargin", kLetter, KIND_SHEET},
    };
    // Border styles 1 to 5 on a coloured label: 5 leaves only the colour's edge.
    static const char* const kBorderJobs[] = {"w-border1", "w-border2", "w-border3", "w-border4", "w-border5"};
    for (int style = 1; style <= 5; ++style) {
        jobs.push_back({kBorderJobs[style - 1], EDITION_WIMBROOK, "LabelPDF", kLetter, KIND_COVERS, PRINT_WHOLE, 1, 1,
                        [style] {
                            g_settings.Border = style;
                            g_labelRecords[0].BkgndColor = RGB(160, 160, 160);
                        }});
    }
    return jobs;
}

bool Print(const Job& job, std::FILE* manifest) {
    FreshProgram(job);
    job.prepare();
    std::string title = std::string(job.name) + "-" + g_token;
    PrinterChoice choice = {};
    CopyField(choice.names.name, job.queue);
    CopyField(choice.names.driver, "wineps.drv");
    CopyField(choice.names.port, (std::string("CUPS:") + job.queue).c_str());
    choice.orientation = TheEdition().id == EDITION_KESTRIN ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    choice.paperSize = job.paper;
    g_settings.Printer = choice.names;
    PrintDialogAnswer answer;
    answer.dc = CreatePrinterContext(choice);
    answer.fromSheet = job.from;
    answer.toSheet = job.to;
    if (!answer.dc) {
        std::fprintf(stderr, "%s: no context on %s\n", job.name, job.queue);
        return false;
    }
    bool printed = PrintOnContext(nullptr, job.what, answer, title.c_str());
    std::fprintf(printed ? manifest : stderr, "%s %s\n", job.name, title.c_str());
    return printed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: print_jobs MANIFEST\n");
        return 2;
    }
    char token[32];
    std::snprintf(token, sizeof token, "%lx%lx", GetCurrentProcessId(), GetTickCount());
    g_token = token;
    std::FILE* manifest = std::fopen(argv[1], "w");
    if (!manifest) return 2;
    int failed = 0;
    for (const Job& job : Jobs())
        if (job.edition == TheEdition().id && !Print(job, manifest)) ++failed;
    std::fclose(manifest);
    for (ZIPINFO& label : g_labelRecords) ClearLabel(&label);
    return failed == 0 ? 0 : 1;
}
