// Links the Wimbrook profile into this executable.
#include "editions/edition.h"

const EditionProfile& TheEdition() { return kWimbrookProfile; }
