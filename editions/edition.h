// The profile this executable was built with. Defined once per executable by
// editions/<name>/select.cpp; nothing switches it at run time.
#pragma once
#include "editions/profile.h"

const EditionProfile& TheEdition();
