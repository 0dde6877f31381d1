#include "shell/glue_commands.h"

namespace {

const GlueHandler* g_handlers = nullptr;

}  // namespace

bool RegisterGlueHandlers(const GlueHandler (&handlers)[GLUE_SLOTS]) {
    g_handlers = handlers;
    for (GlueHandler handler : handlers)
        if (!handler) return false;
    return true;
}

bool RunGlue(GlueSlot slot, int arg) {
    GlueHandler handler = g_handlers ? g_handlers[slot] : nullptr;
    return handler && handler(arg);
}
