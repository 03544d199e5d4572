// The loading screen with its five-stage bar, then the 3-2-1 countdown over
// the play field. Straight-line and timed: no event is taken.
#pragma once

void loading_and_countdown();
