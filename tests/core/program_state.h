// Puts the process-wide records back to a program's first moments: label
// records of the edition zeroed (their allocations freed), view state,
// scan settings and program settings as declared.
#pragma once
#include "editions/profile.h"

void ResetProgramState(const EditionProfile& edition);
