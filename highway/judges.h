// The judges of the note highway: the press judges score a key press against
// the notes at the fret target, the frame judges count notes that pass the
// miss line unplayed. Lanes are numbered 1..5.
#pragma once

// Press judge of one lane. Run after the lane's pressed fret has been drawn at
// its fret target (draw_pressed_fret), which gives the target its size.
// A hit scores by streak tier, raises the rock meter, sets the lane hit flag,
// shows "GOOD" and the lane's flame, and marks every slot at the target as
// played. No note at the target is a miss.
void press_judge(int lane);

// Frame judge of one lane: unless the lane hit flag is set, one unplayed slot
// or more on the miss line count one miss. Only sets xMISS of the note status.
void frame_judge(int lane);

// Shows the lane's hit flame over the current picture and presents the screen.
void hit_flame(int lane);

// Draws the lane's pressed-fret cell at its fret target, keyed on magenta;
// the blit writes the target's visible size back into the target.
void draw_pressed_fret(int lane);

// The game's named entry points, one per lane.
void fret1();
void fret2();
void fret3();
void fret4();
void fret5();

void fret1_A();
void fret2_B();
void fret3_C();
void fret4_D();
void fret5_E();

void keyhitflames1();
void keyhitflames2();
void keyhitflames3();
void keyhitflames4();
void keyhitflames5();
