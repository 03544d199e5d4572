#include "shell/song_table.h"

#include "charts/chart_step.h"
#include "shell/image_table.h"
#include "shell/resources.h"
#include "shell/song_state.h"

namespace {

// The values of `wins` after which the results screen announces a guitar.
constexpr int UNLOCK_FIRST_SONG[] = {5, 10, 15, 20};
constexpr int UNLOCK_OTHER_SONGS[] = {3, 5, 8, 10, 13, 15, 18, 20, 23, 25};
constexpr int FIRST_SONG_UNLOCKS = sizeof UNLOCK_FIRST_SONG / sizeof UNLOCK_FIRST_SONG[0];
constexpr int OTHER_SONG_UNLOCKS = sizeof UNLOCK_OTHER_SONGS / sizeof UNLOCK_OTHER_SONGS[0];

}  // namespace

const SongRow SONG_TABLE[SONG_ROWS] = {
    {0, paranoid, 416, &music_paranoid, 170000, true, UNLOCK_FIRST_SONG, FIRST_SONG_UNLOCKS,
     "data/DATA0.dat", {"PARANOID", "Album: Paranoid(1970)", "Band: Black Sabbath", &capa1}},
    {1, highwaytohell, 613, &music_highwaytohell, 211000, true, UNLOCK_OTHER_SONGS, OTHER_SONG_UNLOCKS,
     "data/DATA1.dat", {"HIGHWAY TO HELL", "Album: Highway To Hell (1979)", "Band: AC/DC", &capa5}},
    {2, aceofspades, 478, &music_aceofspades, 188000, true, UNLOCK_OTHER_SONGS, OTHER_SONG_UNLOCKS,
     "data/DATA2.dat", {"ACE OF SPADES", "Album: Ace Of Spades (1980)", "Band: Motorhead", &capa4}},
    {3, runtothehills, 343, &music_runtothehills, 238000, true, UNLOCK_OTHER_SONGS, OTHER_SONG_UNLOCKS,
     "data/DATA3.dat",
     {"RUN TO THE HILLS", "Album: The Number Of the Beast (1982)", "Band: Iron Maiden", &capa2}},
    {4, forwhomthebellstolls, 859, &music_forwhomthebellstolls, 309000, true, UNLOCK_OTHER_SONGS,
     OTHER_SONG_UNLOCKS, "data/DATA4.dat",
     {"FOR WHOM THE BELLS TOOLS", "Album: Ride the Lightning (1984)", "Band: Metallica", &capa6}},
    {SONG_TUTORIAL, tutorial, 63, &music_tutorial, 146000, false, nullptr, 0, "data/DATA6.dat",
     {nullptr, nullptr, nullptr, nullptr}},
};

const SongRow* song_row(int count_song)
{
    for (const SongRow& row : SONG_TABLE)
        if (row.count_song == count_song) return &row;
    return nullptr;
}

bool unlocks_guitar(const SongRow& row, int wins)
{
    for (int i = 0; i < row.unlock_count; ++i)
        if (row.unlock_wins[i] == wins) return true;
    return false;
}
