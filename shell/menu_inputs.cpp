#include "shell/menu_inputs.h"

#include "catalog/scan_settings.h"
#include "document/program_settings.h"
#include "shell/view_state.h"

MenuInputs GatherMenuInputs(const ZIPINFO* label) {
    MenuInputs in;
    in.windowScale = g_view.windowScale;
    in.labelKind = g_view.labelKind;
    in.currentPage = g_view.currentPage;
    in.fullSize = g_view.fullSize;
    if (label) {
        in.lblFmt = label->LblFmt;
        in.opposing = label->Opposing;
        in.showSize = label->ShowSize;
        in.showExt = label->ShowExt;
        in.showComm = label->ShowComm;
        in.columns = label->Columns;
        in.lined = label->Lined;
        in.sortMode = label->SortMode;
        in.direction = label->Direction;
        in.zipColor = label->ZipColor;
        in.spineAlign = label->SpineAlign;
        in.showZip = label->ShowZip;
    }
    in.dispSub = g_scan.DispSub;
    in.dirComm = g_scan.DirComm;
    in.useTemplates = g_settings.UseDAT;
    in.scanArchives = g_scan.ScanArchives;
    in.selectionKind = 0;
    if (label && label->SelectionKind != 0 && label->Objects && label->NumObjects > 0) {
        const ObjectRecord& rec = label->Objects[0].rec;
        in.selectionKind = label->SelectionKind;
        in.layer = rec.Layer;
        in.filled = rec.Filled;
        in.autoSize = rec.AutoSize;
        in.orientation = rec.Orientation;
        in.hAlign = rec.HAlign;
        in.vAlign = rec.VAlign;
    }
    return in;
}
