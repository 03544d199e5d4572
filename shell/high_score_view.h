// The high-score view: one pass per pass of the play menu's dispatch.
#pragma once

#include "shell/flow.h"

Next high_score_view_pass();
