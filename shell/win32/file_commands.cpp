#include "shell/win32/file_commands.h"

#include <cstring>
#include <string>

#include "base/report.h"
#include "catalog/labels.h"
#include "catalog/scan_settings.h"
#include "base/text_field.h"
#include "document/body_file.h"
#include "document/label_paths.h"
#include "document/object_list.h"
#include "document/picture_loader.h"
#include "document/program_settings.h"
#include "document/template_file.h"
#include "document/win32/label_file_dialogs_win32.h"
#include "document/win32/label_file_io_win32.h"
#include "editions/edition.h"
#include "render/label_geometry.h"
#include "render/win32/font_heights_win32.h"
#include "render/win32/spine_win32.h"
#include "shell/program_records.h"
#include "shell/view_state.h"
#include "shell/win32/label_view_win32.h"
#include "shell/win32/menu_refresh_win32.h"
#include "shell/win32/message_dialogs_win32.h"
#include "shell/win32/win_state.h"

namespace {

constexpr const char* kDiskError = "Disk Error";
constexpr const char* kTemplateError = "Template Error";

bool IsDovantel() { return TheEdition().id == EDITION_DOVANTEL; }
char CurrentDrive() { return g_scan.Drive ? g_scan.Drive : 'C'; }

// After the current label was replaced or changed by a file: nothing
// selected, the kind from the format (Wimbrook keeps its own), unset fonts
// built, line heights measured on the printer, the spine's fonts rebuilt,
// the page shown again.
void AfterFileChange(HWND window, int page) {
    ZIPINFO* label = g_currentLabel;
    ClearObjectSelection(label);
    g_view.labelKind = KindAfterLoad(TheEdition(), label->LblFmt, g_view.labelKind);
    HDC dc = GetDC(window);
    ApplyDefaultFonts(dc, g_view.windowScale, g_labelRecords, g_labelCount);
    ReleaseDC(window, dc);
    MeasureLabelFontHeights(label, &g_settings.Printer);
    RequestSpineFontRebuild();
    SwitchPage(CurrentLabelIndex(), page);
    RequestRepaint();
}

// The current label replaced by the body in the file; false (label as it
// was) when the file cannot be read or is not a sound body.
bool LoadBody(HWND window, const char* path) {
    std::string bytes;
    if (ReadWholeFile(path, kMaxBodyBytes, &bytes) != READ_OK) return false;
    ZIPINFO loaded;
    std::memset(&loaded, 0, sizeof loaded);
    if (ReadBody(bytes.data(), bytes.size(), &loaded) != FILE_OK) return false;
    TakeLoadedLabel(g_currentLabel, &loaded);
    AfterFileChange(window, 1);
    g_view.modified = 0;
    return true;
}

// The file the label now belongs to, after a good load or save.
void AdoptBodyPath(HWND window, const std::string& path) {
    g_view.bodyPath = path;
    g_view.labelName = LabelNameOf(path.c_str());
    CopyField(g_settings.LabelPath, FolderOf(path.c_str()).c_str());
    SetTitle(window);
    AddRecentFile(path.c_str());
}

bool OpenBodyFile(HWND window, const std::string& path) {
    if (!ConfirmDiscard(window)) {
        RequestRepaint();
        return false;
    }
    if (!LoadBody(window, path.c_str())) {
        ReportError(kDiskError, "Error Loading Body");
        return false;
    }
    AdoptBodyPath(window, path);
    return true;
}

bool WriteBodyTo(const std::string& path) {
    std::string bytes;
    if (!WriteBody(*g_currentLabel, &bytes) || !ReplaceFileWith(path.c_str(), bytes)) {
        ReportError(kDiskError, "Error Saving Body");
        return false;
    }
    g_view.modified = 0;
    return true;
}

// Dovantel's template dialogs start at the template path, or at the
// default template name in the current drive's root.
LabelFileDialog TemplateDialogHere(bool save) {
    std::string current = g_view.templatePath;
    if (current.empty()) current = std::string(1, CurrentDrive()) + ":\\" + TheEdition().defaultTemplateName;
    LabelFileDialog dialog = TemplateDialog(TheEdition(), save);
    dialog.folder = FolderOf(current.c_str());
    dialog.proposed = current.substr(dialog.folder.size());
    return dialog;
}

// Applies the template file to the current label. A missing file does
// nothing, silently; any other failure is reported and changes nothing.
bool ApplyTemplateFile(HWND window, const std::string& path) {
    std::string bytes;
    FileReadStatus read = ReadWholeFile(path.c_str(), kMaxTemplateBytes, &bytes);
    if (read == READ_MISSING) return false;
    LabelTemplate parsed;
    LabelFileStatus status =
        read == READ_OK ? ParseTemplate(bytes.data(), bytes.size(), TheEdition(), &parsed) : FILE_DAMAGED;
    if (status == FILE_BAD_VERSION) {
        std::string text = "Template \"" + parsed.versionLine + "\" Version Not Supported!";
        ReportError(kTemplateError, text.c_str());
        return false;
    }
    ClearObjectSelection(g_currentLabel);
    bool applied = status == FILE_OK && ApplyTemplate(&parsed, g_currentLabel, LoadPicture);
    FreeTemplate(&parsed);
    if (!applied) {
        std::string text = "Unable to read the template \"" + path + "\".\nThe label was not changed.";
        ReportError(kTemplateError, text.c_str());
        return false;
    }
    AfterFileChange(window, g_view.currentPage);
    return true;
}

}  // namespace

bool OpenBodyCommand(HWND window) {
    ClearObjectSelection(g_currentLabel);
    LabelFileDialog dialog = BodyDialog(TheEdition(), false);
    dialog.folder = g_settings.LabelPath;
    std::string path;
    if (!AskOpenFile(window, dialog, &path)) return false;
    return OpenBodyFile(window, path);
}

bool OpenRecentCommand(HWND window, int index) {
    if (index < 0 || index >= kRecentCount || !g_settings.Recent[index][0]) return false;
    ClearObjectSelection(g_currentLabel);
    return OpenBodyFile(window, g_settings.Recent[index]);
}

bool SaveBodyCommand(HWND window) {
    if (g_view.bodyPath.empty()) return SaveBodyAsCommand(window);
    return WriteBodyTo(g_view.bodyPath);
}

bool SaveBodyAsCommand(HWND window) {
    const EditionProfile& edition = TheEdition();
    LabelFileDialog dialog = BodyDialog(edition, true);
    dialog.folder = g_settings.LabelPath;
    dialog.proposed = g_view.labelName.empty() ? edition.defaultBodyName : g_view.labelName;
    std::string path;
    if (!AskSaveFile(window, dialog, &path) || !WriteBodyTo(path)) return false;
    AdoptBodyPath(window, path);
    return true;
}

bool WriteTemplateCommand(HWND window) {
    const EditionProfile& edition = TheEdition();
    std::string path = DriveTemplatePath(CurrentDrive(), edition);
    if (IsDovantel()) {
        if (!AskSaveFile(window, TemplateDialogHere(true), &path)) return false;
        g_view.templatePath = path;
    }
    std::string bytes;
    if (!WriteTemplate(*g_currentLabel, edition, &bytes) || !ReplaceFileWith(path.c_str(), bytes)) {
        std::string text = "Error Saving Template \"" + path + "\"";
        ReportError(kDiskError, text.c_str());
        return false;
    }
    g_view.modified = 0;
    return true;
}

bool ReadTemplateCommand(HWND window) {
    ClearObjectSelection(g_currentLabel);
    std::string path = DriveTemplatePath(CurrentDrive(), TheEdition());
    if (IsDovantel()) {
        if (!AskOpenFile(window, TemplateDialogHere(false), &path)) return false;
        g_view.templatePath = path;
    }
    return ApplyTemplateFile(window, path);
}

bool ReadDiskTemplate(HWND window, char drive) {
    NoteScannedDrive(drive);
    return ApplyTemplateFile(window, DriveTemplatePath(drive, TheEdition()));
}

bool LoadCommandLineBody(HWND window, const char* path) {
    ClearObjectSelection(g_currentLabel);
    if (LoadBody(window, path)) return true;
    ReportError("Unable to load...", path);
    return false;
}

bool LoadCommandLineTemplate(HWND window, const char* path) { return ApplyTemplateFile(window, path); }

void ForgetBodyPath() { g_view.bodyPath.clear(); }

void NoteScannedDrive(char drive) {
    if (IsDovantel()) g_view.templatePath = DriveTemplatePath(drive, TheEdition());
}
