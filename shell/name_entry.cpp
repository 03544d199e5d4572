#include "shell/name_entry.h"

#include "highway/judge_state.h"
#include "shell/high_score_file.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/name_entry_state.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/song_state.h"
#include "shell/song_table.h"
#include "shell/video.h"

#include <cstring>

namespace {

constexpr int GRID_ROWS = 4;
constexpr int GRID_COLUMNS = 10;
constexpr const char* EMPTY_CELL = "";
constexpr const char* DELETE_CELL = nullptr;

// The character of each cell of the letter grid. "W" stands after "Y", as
// the picture of the grid shows it.
constexpr const char* LETTER_GRID[GRID_ROWS][GRID_COLUMNS] = {
    {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"},
    {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"},
    {"K", "L", "M", "N", "O", "P", "Q", "R", "S", "T"},
    {"U", "V", "X", "Y", "W", "Z", EMPTY_CELL, EMPTY_CELL, EMPTY_CELL, DELETE_CELL},
};

// The grid picture, and the cursor of cell (column, row) 2 pixels into it at
// a pitch of 19 x 18.
constexpr SDL_Rect dst_letras = {65, 125, 0, 0};
constexpr int CURSOR_X0 = 67;
constexpr int CURSOR_Y0 = 127;
constexpr int CELL_WIDTH = 19;
constexpr int CELL_HEIGHT = 18;

struct CursorMove {
    SDLKey key;
    int columns;
    int rows;
};

// The arrows move the cursor by one cell, wrapping round at the edges.
constexpr CursorMove CURSOR_MOVES[] = {
    {SDLK_UP, 0, -1}, {SDLK_DOWN, 0, 1}, {SDLK_RIGHT, 1, 0}, {SDLK_LEFT, -1, 0},
};

// One character of the name: its text, its rendered surface and where it is drawn.
struct NamePosition {
    char* text;
    SDL_Surface** surface;
    SDL_Rect at;
};

constexpr int NAME_LENGTH = 3;
const NamePosition NAME_POSITIONS[NAME_LENGTH] = {
    {ScoreLetraX, &letraX, {109, 70, 0, 0}},  // dst_mesagem5
    {ScoreLetraY, &letraY, {154, 70, 0, 0}},  // dst_mesagem6
    {ScoreLetraZ, &letraZ, {196, 70, 0, 0}},  // dst_mesagem7
};

int wrapped(int value, int count) { return (value % count + count) % count; }

// Background, letter grid and cursor, then present.
void draw_grid()
{
    blit_to_screen(new_score, nullptr, {0, 0, 0, 0});
    key_magenta(letras_score);
    blit_to_screen(letras_score, nullptr, dst_letras);
    key_magenta(cursor_score);
    blit_to_screen(cursor_score, nullptr, dst_CursorLetras);
    game_flip(screen);
}

// Renders a position again from its text; an empty text leaves no surface.
void render_position(const NamePosition& position)
{
    SDL_Surface*& surface = *position.surface;
    if (surface) SDL_FreeSurface(surface);
    surface = position.text[0] ? TTF_RenderText_Solid(font_big, position.text, color_white) : nullptr;
}

void draw_position(const NamePosition& position)
{
    if (*position.surface) blit_to_screen(*position.surface, nullptr, position.at);
}

const char* cell_under_cursor() { return LETTER_GRID[letrasY][letrasX]; }

// Every event redraws: the grid, the preview of the cell under the cursor in
// the current position, then all three positions.
void redraw()
{
    draw_grid();
    const char* cell = cell_under_cursor();
    if (cell && *cell) {
        const NamePosition& current = NAME_POSITIONS[hiscore];
        std::strcpy(current.text, cell);
        render_position(current);
        draw_position(current);
        game_flip(screen);
    }
    for (const NamePosition& position : NAME_POSITIONS) draw_position(position);
    game_flip(screen);
}

// The cursor moves without a present: it shows at the next event, normally
// the release of the same key.
bool move_cursor(SDLKey key)
{
    for (const CursorMove& move : CURSOR_MOVES) {
        if (move.key != key) continue;
        letrasX = wrapped(letrasX + move.columns, GRID_COLUMNS);
        letrasY = wrapped(letrasY + move.rows, GRID_ROWS);
        dst_CursorLetras.x = static_cast<Sint16>(CURSOR_X0 + CELL_WIDTH * letrasX);
        dst_CursorLetras.y = static_cast<Sint16>(CURSOR_Y0 + CELL_HEIGHT * letrasY);
        return true;
    }
    return false;
}

void finish_name()
{
    // A value of count_song that is no song has no file to append to.
    if (const SongRow* song = song_row(count_song)) {
        append_high_score(song->high_score_file, ScoreLetraX, ScoreLetraY, ScoreLetraZ, nSCORE);
    }
    hiscoreMENU = 1;
    for (const NamePosition& position : NAME_POSITIONS) {
        if (*position.surface) SDL_FreeSurface(*position.surface);
        *position.surface = nullptr;
    }
}

// Button A: the delete cell empties the current position and steps back one;
// any other cell keeps what the position holds and moves on. The third
// character ends the name.
void confirm()
{
    if (cell_under_cursor() == DELETE_CELL) {
        const NamePosition& current = NAME_POSITIONS[hiscore];
        current.text[0] = '\0';
        render_position(current);
        if (hiscore > 0) --hiscore;
        game_flip(screen);
        return;
    }
    if (++hiscore == NAME_LENGTH) finish_name();
}

bool state_in_range()
{
    return hiscore >= 0 && hiscore < NAME_LENGTH && letrasX >= 0 && letrasX < GRID_COLUMNS &&
           letrasY >= 0 && letrasY < GRID_ROWS;
}

}  // namespace

Next name_entry()
{
    // The main-menu entry always leaves a fresh name; anything else starts one.
    if (!state_in_range()) reset_name_entry_state();
    draw_grid();

    while (!hiscoreMENU) {
        if (!game_poll_event(&event)) {
            pace_pass();  // idle: wait for the next display period
            continue;
        }
        redraw();
        if (event.type != SDL_KEYDOWN) continue;
        const SDLKey key = event_key();
        if (!move_cursor(key) && key == BUTTON_A) confirm();
    }
    return Next::MenuEntry;
}
