// The menu bar, assembled at start-up from separate menu resources, and the
// right-click pop-ups kept for the run.
#pragma once
#include <windows.h>

struct MenuHandles {
    HMENU bar = nullptr;
    HMENU bodyPopup = nullptr;    // resource 123
    HMENU spinePopup = nullptr;   // resource 124
    HMENU pagePopup = nullptr;    // first sub-menu of resource 128
    HMENU imagePopup = nullptr;   // first sub-menu of resource 133
    HMENU stringPopup = nullptr;  // first sub-menu of resource 138
};

extern MenuHandles g_menus;

// Loads the Page, Image and String pop-ups (window creation).
void LoadPopupMenus();

// Builds the menu bar of the edition and attaches it to the window.
void AssembleMenus(HWND window);
