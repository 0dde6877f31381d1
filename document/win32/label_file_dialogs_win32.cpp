#include "document/win32/label_file_dialogs_win32.h"

#include <commdlg.h>

#include "base/text_field.h"
#include "document/label_paths.h"

namespace {

bool RunDialog(HWND owner, const LabelFileDialog& d, bool save, std::string* path) {
    std::string filter = std::string(d.filterName) + '\0' + d.filterPattern + '\0' + "All Files (*.*)" + '\0' +
                         "*.*" + '\0';
    char name[MAX_PATH] = "";
    if (save) CopyText(name, sizeof name, d.proposed.c_str());
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name;
    ofn.nMaxFile = sizeof name;
    ofn.lpstrInitialDir = d.folder.empty() ? nullptr : d.folder.c_str();
    ofn.lpstrTitle = d.title;
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn))) return false;
    *path = name;
    return true;
}

}  // namespace

LabelFileDialog BodyDialog(const EditionProfile& e, bool save) {
    return {save ? e.saveBodyCaption : e.loadBodyCaption, e.bodyFilterName, e.bodyFilterPattern, e.bodyExt, "", ""};
}

LabelFileDialog TemplateDialog(const EditionProfile& e, bool save) {
    return {save ? e.saveTemplateCaption : e.loadTemplateCaption, e.templateFilterName, e.templateFilterPattern,
            e.templateExt, "", ""};
}

bool AskOpenFile(HWND owner, const LabelFileDialog& dialog, std::string* path) {
    return RunDialog(owner, dialog, false, path);
}

bool AskSaveFile(HWND owner, const LabelFileDialog& dialog, std::string* path) {
    std::string chosen;
    if (!RunDialog(owner, dialog, true, &chosen)) return false;
    bool appended = false;
    *path = WithExtension(chosen.c_str(), dialog.extension, &appended);
    if (!appended || GetFileAttributesA(path->c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    std::string question = *path + " already exists.\nDo you want to replace it?";
    return MessageBoxA(owner, question.c_str(), dialog.title, MB_YESNO | MB_ICONWARNING) == IDYES;
}
