// The six built-in song charts as constant tables, generated at build time
// from charts/<name>.csv. Nothing reads a chart file at run time.
#pragma once

// One chart note: the note is drawn and falls in every play frame whose song
// clock is greater than threshold; lane 1 to 5 picks the slot pool and the note
// cell; slot is the note's index in that lane's slot pool.
struct ChartNote {
    int threshold;
    int lane;
    int slot;
};

// A chart: its notes in chart order (lane 1 to 5, each by ascending slot).
struct Chart {
    const ChartNote* notes;
    int count;
};

extern const Chart chart_tutorial;
extern const Chart chart_paranoid;
extern const Chart chart_highwaytohell;
extern const Chart chart_aceofspades;
extern const Chart chart_runtothehills;
extern const Chart chart_forwhomthebellstolls;
