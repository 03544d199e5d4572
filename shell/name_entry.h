// The name entry after a completed song: three characters from a letter grid,
// then the high-score line is appended.
#pragma once

#include "shell/flow.h"

Next name_entry();
