// Counters and flags that the judges change and the play screen shows.
#pragma once

extern int nSCORE;   // score
extern int nHITS;    // current streak
extern int tHITS;    // hits counted for the accuracy
extern int nHit;     // hits since the main menu
extern int nMISS;    // misses
extern int Balanca;  // rock meter, kept within -6..6 by the play frame

// Note status flags: which note status text shows ("", "GOOD" or "MISS").
extern int xNULL;
extern int xGOOD;
extern int xMISS;

// Lane hit flags: lane 1..5 scored a hit since the last input event.
extern int A;
extern int B;
extern int C;
extern int D;
extern int E;

// Points for one hit, chosen by the streak before it: 10 up to a streak of 4
// (negative streaks included), 20 from 5, 30 from 10.
int hit_score(int streak);

// The hit that leaves nHit at this value does not advance the streak.
constexpr int STREAK_SKIPPING_HIT = 6;

// One miss, the same for the press judges and the frame judges: "MISS" shows,
// the rock meter falls by one, the streak breaks.
void count_miss();

// Called once per play frame right before the frame judges: the note status
// goes back to empty, so what the judges record from here on shows next frame.
void reset_note_status();
