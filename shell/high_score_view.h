// The high-score view: one pass per pass of the play menu's dispatch. The play
// menu's shared poll takes the view's keys (Left, Right, button B).
#pragma once

#include "shell/flow.h"

// Draws the page of `select_score`: background, footer, header, title and the
// first ten rows of its file, read again from the start, then presents it.
Next high_score_view_pass();
