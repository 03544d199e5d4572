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
