// Links the Kestrin profile into this executable.
#include "editions/edition.h"

const EditionProfile& TheEdition() { return kKestrinProfile; }
