// The highway's named per-lane routines, each one line into the lane-indexed
// implementation.
#include "highway/judges.h"

void fret1() { press_judge(1); }
void fret2() { press_judge(2); }
void fret3() { press_judge(3); }
void fret4() { press_judge(4); }
void fret5() { press_judge(5); }

void fret1_A() { frame_judge(1); }
void fret2_B() { frame_judge(2); }
void fret3_C() { frame_judge(3); }
void fret4_D() { frame_judge(4); }
void fret5_E() { frame_judge(5); }

void keyhitflames1() { hit_flame(1); }
void keyhitflames2() { hit_flame(2); }
void keyhitflames3() { hit_flame(3); }
void keyhitflames4() { hit_flame(4); }
void keyhitflames5() { hit_flame(5); }
