// The two ends of a song: the fail screen and the results screen. Neither
// takes an event; each draws, presents and holds.
#pragma once

extern int percent_score;  // the accuracy of the last completed song, in percent

// The rock meter reached its bottom: the notes go back, the music and every
// sound channel pause, `loses` grows by one.
void fail_screen();

// The song is complete: accuracy, star line, score and longest streak; for a
// song `wins` grows by one (with the unlock message where the table says).
void results_screen();

// Stars shown for an accuracy: 1 up to 19 percent, then one more every ten,
// 10 at exactly 100; none below 0 or above 100.
int stars_for(int percent);
