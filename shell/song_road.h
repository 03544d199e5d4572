// The road of a chosen song: loading screen, countdown, the play loop, then
// the fail screen or the results and the name entry.
#pragma once

#include "shell/flow.h"

Next song_road();
