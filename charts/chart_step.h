// The chart step: once per play frame, every note of the song's chart whose
// appear threshold the song clock has passed is drawn at its slot and moved
// one fall step down.
#pragma once

#include "charts/chart_data.h"

// Runs the chart step over one chart. Keeps no state: the song clock `msec`
// and the note slots hold everything.
void chart_step(const Chart& chart);

// The chart step of each built-in chart.
void tutorial();
void paranoid();
void highwaytohell();
void aceofspades();
void runtothehills();
void forwhomthebellstolls();
