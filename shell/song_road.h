// The road of a chosen song: loading screen, countdown, play, fail or results.
#pragma once

#include "shell/flow.h"

Next song_road();
