// Links the Dovantel profile into this executable.
#include "editions/edition.h"

const EditionProfile& TheEdition() { return kDovantelProfile; }
