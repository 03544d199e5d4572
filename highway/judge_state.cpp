#include "highway/judge_state.h"

int nSCORE = 0;
int nHITS = 0;
int tHITS = 0;
int nHit = 0;
int nMISS = 0;
int Balanca = 0;

int xNULL = 0;
int xGOOD = 0;
int xMISS = 0;

int A = 0;
int B = 0;
int C = 0;
int D = 0;
int E = 0;
