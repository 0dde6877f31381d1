// A print job on a printer context: the planned sheets of every copy, each
// piece drawn by the page drawing at true size at its place, with its crop
// marks. The caller measures the line heights, sets the window scale and
// deletes the context; the job restores nothing it did not change.
#pragma once
#include <windows.h>

#include <vector>

#include "render/print_plan.h"
#include "render/win32/page_render_win32.h"

struct PrintJob {
    const char* documentName;
    const std::vector<PrintSheet>* sheets;  // one copy
    ZIPINFO* const* labels;                 // by PrintPiece::label
    int labelCount;
    PageDrawing drawing;                    // on paper at full size; the page is each piece's
    PrintableArea paper;
    int copies;
};

enum PrintJobStatus {
    PRINT_JOB_DONE,        // every sheet went out (an EndPage or EndDoc failure was reported)
    PRINT_JOB_NOT_STARTED, // StartDoc failed: nothing was drawn
    PRINT_JOB_ABORTED      // StartPage failed: the job was aborted
};

// Runs the job. Each failure shows its "BAD STUFF" box once; a failing
// StartDoc ends the job at once, a failing StartPage aborts it.
PrintJobStatus RunPrintJob(HDC dc, const PrintJob& job);
