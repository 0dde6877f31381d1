// The Win32 program fills every glue slot the command rows may name: a slot
// left empty would make its commands do nothing.
#include <gtest/gtest.h>

#include "shell/win32/glue_commands_win32.h"

TEST(GlueSlots, TheProgramFillsEverySlot) { EXPECT_TRUE(RegisterWin32Handlers()); }
