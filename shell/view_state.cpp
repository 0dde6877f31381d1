#include "shell/view_state.h"

ViewState g_view;
