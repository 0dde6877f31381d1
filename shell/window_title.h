// The main window's caption for the edition and the view.
#pragma once
#include <string>

#include "editions/profile.h"

// labelName may hold a path: only its part after the last backslash shows.
std::string WindowTitle(const EditionProfile& edition, const char* labelName, int labelKind, int page,
                        int fullSize, int labelIndex);
