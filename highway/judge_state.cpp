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

namespace {

struct ScoreTier {
    int lowest_streak;
    int score;
};

// Highest tier first; a streak below every tier scores BASE_HIT_SCORE.
constexpr ScoreTier SCORE_TIERS[] = {
    {10, 30},
    {5, 20},
};
constexpr int BASE_HIT_SCORE = 10;

}  // namespace

int hit_score(int streak)
{
    for (const ScoreTier& tier : SCORE_TIERS) {
        if (streak >= tier.lowest_streak) return tier.score;
    }
    return BASE_HIT_SCORE;
}

void count_miss()
{
    xMISS = 1;
    Balanca -= 1;
    nHITS = 0;
    nMISS += 1;
}

void reset_note_status()
{
    xNULL = 1;
    xGOOD = 0;
    xMISS = 0;
}
