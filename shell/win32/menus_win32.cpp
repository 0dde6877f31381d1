#include "shell/win32/menus_win32.h"

#include <string>

#include "editions/edition.h"
#include "editions/resource_ids.h"
#include "editions/command_ids.h"
#include "shell/win32/win_state.h"

MenuHandles g_menus;

namespace {

HMENU LoadMenuResource(int id) { return LoadMenuA(g_win.instance, MAKEINTRESOURCEA(id)); }

// The popup name of a resource is the text of its only top-level item.
std::string PopupName(HMENU resource) {
    char text[128] = "";
    GetMenuStringA(resource, 0, text, sizeof text, MF_BYPOSITION);
    return text;
}

// Takes the first sub-menu out of a loaded resource (so that destroying the
// resource leaves it alone) and gives its popup name.
HMENU DetachFirstSubMenu(HMENU resource, std::string* name) {
    if (!resource) return nullptr;
    if (name) *name = PopupName(resource);
    HMENU sub = GetSubMenu(resource, 0);
    RemoveMenu(resource, 0, MF_BYPOSITION);
    DestroyMenu(resource);
    return sub;
}

// Inserts a resource's sub-menu under its popup name at a bar position
// (-1 appends).
void InsertResource(HMENU bar, int position, HMENU sub, const std::string& name) {
    if (!sub) return;
    InsertMenuA(bar, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP | MF_STRING,
                reinterpret_cast<UINT_PTR>(sub), name.c_str());
}

// Replaces the "%s" of an item's text.
void FillItemText(HMENU menu, int command, const char* word) {
    char text[256] = "";
    if (!GetMenuStringA(menu, static_cast<UINT>(command), text, sizeof text, MF_BYCOMMAND)) return;
    std::string filled = text;
    size_t at = filled.find("%s");
    if (at == std::string::npos) return;
    filled.replace(at, 2, word);
    ModifyMenuA(menu, static_cast<UINT>(command), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(command),
                filled.c_str());
}

// Puts a sub-menu in place of (before, then deleting) a placeholder item.
void ReplacePlaceholder(HMENU menu, int placeholder, HMENU sub, const std::string& name) {
    if (sub)
        InsertMenuA(menu, static_cast<UINT>(placeholder), MF_BYCOMMAND | MF_POPUP | MF_STRING,
                    reinterpret_cast<UINT_PTR>(sub), name.c_str());
    DeleteMenu(menu, static_cast<UINT>(placeholder), MF_BYCOMMAND);
}

void AdjustBodyMenu(HMENU body, EditionId edition, const char* medium) {
    if (edition == EDITION_WIMBROOK) {
        DeleteMenu(body, CMD_COLUMNS_7, MF_BYCOMMAND);
        DeleteMenu(body, CMD_COLUMNS_6, MF_BYCOMMAND);
    } else {
        DeleteMenu(body, CMD_REPLICATE_LABEL, MF_BYCOMMAND);
        DeleteMenu(body, CMD_DUPLICATE_FORMAT, MF_BYCOMMAND);
    }
    FillItemText(body, CMD_READ_DISK, medium);
}

void AdjustSpineMenu(HMENU spine, EditionId edition, HMENU diskSize, const std::string& diskSizeName) {
    if (edition == EDITION_KESTRIN) {
        ReplacePlaceholder(spine, CMD_DISKSIZE_PLACEHOLDER, diskSize, diskSizeName);
        return;
    }
    DeleteMenu(spine, CMD_DISKSIZE_PLACEHOLDER, MF_BYCOMMAND);
    if (edition == EDITION_WIMBROOK) DeleteMenu(spine, CMD_OPPOSED_SPINE, MF_BYCOMMAND);
}

}  // namespace

void LoadPopupMenus() {
    g_menus.pagePopup = DetachFirstSubMenu(LoadMenuResource(IDM_PAGE), nullptr);
    g_menus.imagePopup = DetachFirstSubMenu(LoadMenuResource(IDM_IMAGE_POPUP), nullptr);
    g_menus.stringPopup = DetachFirstSubMenu(LoadMenuResource(IDM_STRING_POPUP), nullptr);
}

void AssembleMenus(HWND window) {
    const EditionProfile& profile = TheEdition();
    EditionId edition = profile.id;
    const char* medium = profile.mediumWord;

    HMENU bar = CreateMenu();
    SetMenu(window, bar);
    g_menus.bar = bar;

    std::string helpName, stringName, imageName, spineName, fileName, formatName, printOnlyName, diskSizeName;
    HMENU help = DetachFirstSubMenu(LoadMenuResource(IDM_HELP), &helpName);
    HMENU string = DetachFirstSubMenu(LoadMenuResource(IDM_STRING), &stringName);
    HMENU image = DetachFirstSubMenu(LoadMenuResource(IDM_IMAGE), &imageName);
    HMENU spine = DetachFirstSubMenu(LoadMenuResource(IDM_SPINE), &spineName);
    HMENU file = DetachFirstSubMenu(LoadMenuResource(IDM_FILE), &fileName);
    HMENU format = DetachFirstSubMenu(LoadMenuResource(IDM_LABEL_FORMAT), &formatName);
    HMENU printOnly = DetachFirstSubMenu(LoadMenuResource(IDM_PRINT_ONLY), &printOnlyName);
    HMENU diskSize = edition == EDITION_KESTRIN ? DetachFirstSubMenu(LoadMenuResource(IDM_DISK_SIZE), &diskSizeName)
                                                : nullptr;

    // File.
    ModifyMenuA(file, CMD_FORMAT_PLACEHOLDER, MF_BYCOMMAND | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(format),
                formatName.c_str());
    if (edition != EDITION_WIMBROOK) DeleteMenu(file, CMD_CLEAR_ALL_LABELS, MF_BYCOMMAND);
    ReplacePlaceholder(file, CMD_PRINTONLY_PLACEHOLDER, edition == EDITION_WIMBROOK ? nullptr : printOnly,
                       printOnlyName);
    if (edition == EDITION_WIMBROOK && printOnly) DestroyMenu(printOnly);
    FillItemText(file, CMD_SELECT_DRIVE, medium);
    InsertResource(bar, 0, file, fileName);

    // Body, and the Body pop-up with the same changes.
    std::string bodyName;
    HMENU body = DetachFirstSubMenu(LoadMenuResource(IDM_BODY), &bodyName);
    AdjustBodyMenu(body, edition, medium);
    InsertResource(bar, 1, body, bodyName);
    HMENU bodyPopup = DetachFirstSubMenu(LoadMenuResource(IDM_BODY_POPUP), nullptr);
    AdjustBodyMenu(bodyPopup, edition, medium);
    g_menus.bodyPopup = bodyPopup;

    // Spine, and the Spine pop-up sharing the same Disk size sub-menu.
    AdjustSpineMenu(spine, edition, diskSize, diskSizeName);
    InsertResource(bar, 2, spine, spineName);
    HMENU spinePopup = DetachFirstSubMenu(LoadMenuResource(IDM_SPINE_POPUP), nullptr);
    AdjustSpineMenu(spinePopup, edition, diskSize, diskSizeName);
    g_menus.spinePopup = spinePopup;

    // Page.
    if (edition != EDITION_WIMBROOK) {
        std::string pageName;
        HMENU page = DetachFirstSubMenu(LoadMenuResource(IDM_PAGE), &pageName);
        InsertResource(bar, 3, page, pageName);
    }

    // Help, then Image and String.
    FillItemText(help, CMD_ABOUT, profile.name);
    InsertResource(bar, -1, help, helpName);
    InsertResource(bar, 3, image, imageName);
    InsertResource(bar, 4, string, stringName);

    DrawMenuBar(window);
}
