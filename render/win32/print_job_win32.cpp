#include "render/win32/print_job_win32.h"

#include "base/report.h"
#include "render/crop_marks.h"
#include "render/win32/mapping_win32.h"

namespace {

void DrawCropMarks(HDC dc, const PrintSheet& sheet, const PrintableArea& paper) {
    std::vector<MarkLine> lines = SheetCropMarks(sheet, paper);
    if (lines.empty()) return;
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    if (!pen) return;
    HGDIOBJ old = SelectObject(dc, pen);
    for (const MarkLine& line : lines) {
        MoveToEx(dc, line.x1, line.y1, nullptr);
        LineTo(dc, line.x2, line.y2);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawSheet(HDC dc, const PrintJob& job, const PrintSheet& sheet) {
    // Some drivers reset the context at every page: the mapping goes on anew.
    SetLabelMapping(dc, 1.0);
    for (const PrintPiece& piece : sheet.pieces) {
        if (piece.label < 0 || piece.label >= job.labelCount || !job.labels[piece.label]) {
            ReportBadStuff("Print - no label for a piece");
            continue;
        }
        PageDrawing how = job.drawing;
        how.page = piece.page;
        DrawPageAt(dc, job.labels[piece.label], how, piece.at.x, piece.at.y);
    }
    DrawCropMarks(dc, sheet, job.paper);
}

PrintJobStatus RunSheets(HDC dc, const PrintJob& job) {
    for (int copy = 0; copy < job.copies; ++copy) {
        for (const PrintSheet& sheet : *job.sheets) {
            if (StartPage(dc) <= 0) {
                ReportBadStuff("Print - Unable to get StartPage()");
                AbortDoc(dc);
                return PRINT_JOB_ABORTED;
            }
            DrawSheet(dc, job, sheet);
            if (EndPage(dc) <= 0) ReportBadStuff("Print - Unable to get EndPage()");
        }
    }
    if (EndDoc(dc) <= 0) ReportBadStuff("Print - Unable to get EndDoc()");
    return PRINT_JOB_DONE;
}

}  // namespace

PrintJobStatus RunPrintJob(HDC dc, const PrintJob& job) {
    BeginJobReports();
    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = job.documentName;
    PrintJobStatus status = PRINT_JOB_NOT_STARTED;
    if (StartDocA(dc, &info) <= 0) {
        ReportBadStuff("Print - Unable to get StartDoc()");
    } else {
        status = RunSheets(dc, job);
    }
    EndJobReports();
    return status;
}
