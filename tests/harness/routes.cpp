#include "harness/routes.h"

#include "shell/keys.h"
#include "shell/song_state.h"

#include <cctype>
#include <cstdlib>

namespace route {

namespace {

constexpr int MAIN_MENU_LAST_ROW = 4;
constexpr int PLAY_MENU_HIGH_SCORES = 3;
constexpr int PLAY_MENU_BACK = 4;
constexpr int HIGH_SCORE_PAGES = 7;
constexpr int OPTIONS_GAME_CONFIG = 1;
constexpr int GAME_CONFIG_BACKDROP = 0;
constexpr int GAME_CONFIG_BACK = 3;

void repeat(ScriptDriver& driver, SDLKey key, int times)
{
    for (int i = 0; i < times; ++i) driver.key_down(key);
}

// Down for a positive step, Up for a negative one.
void rows(ScriptDriver& driver, int step) { repeat(driver, step > 0 ? SDLK_DOWN : SDLK_UP, std::abs(step)); }
void columns(ScriptDriver& driver, int step) { repeat(driver, step > 0 ? SDLK_RIGHT : SDLK_LEFT, std::abs(step)); }

// The letter grid's cell of a character: digits on row 0, A..J on row 1,
// K..T on row 2.
struct Cell {
    int column, row;
};
Cell cell_of(char c)
{
    if (std::isdigit(static_cast<unsigned char>(c))) return {c - '0', 0};
    if (c >= 'A' && c <= 'J') return {c - 'A', 1};
    return {c - 'K', 2};
}

}  // namespace

void main_menu_row(ScriptDriver& driver, int row)
{
    rows(driver, -MAIN_MENU_LAST_ROW);
    rows(driver, row);
    driver.key_down(BUTTON_A);
}

void song_from_play_menu(ScriptDriver& driver, int song)
{
    driver.key_down(SDLK_DOWN);
    if (song == SONG_TUTORIAL) {
        driver.key_down(SDLK_DOWN);
        driver.key_down(BUTTON_A);
        return;
    }
    driver.key_down(BUTTON_A);  // the song selection
    for (int page = 0; page < song; ++page) driver.key_down(SDLK_RIGHT, page == 0 ? 0 : 1);
    driver.key_down(BUTTON_A, song == 0 ? 0 : 1);
}

void song(ScriptDriver& driver, int song)
{
    main_menu_row(driver, 0);
    song_from_play_menu(driver, song);
}

void high_score_page(ScriptDriver& driver, int from, int to)
{
    main_menu_row(driver, 0);
    rows(driver, PLAY_MENU_HIGH_SCORES);
    driver.key_down(BUTTON_A);
    // Each dispatch pass of the view ends with the shared poll, which turns
    // the page.
    const int forward = ((to - from) % HIGH_SCORE_PAGES + HIGH_SCORE_PAGES) % HIGH_SCORE_PAGES;
    columns(driver, forward <= HIGH_SCORE_PAGES / 2 ? forward : forward - HIGH_SCORE_PAGES);
    driver.key_down(BUTTON_B, 3);
    rows(driver, PLAY_MENU_BACK - PLAY_MENU_HIGH_SCORES);
    driver.key_down(BUTTON_A);
}

void gallery(ScriptDriver& driver)
{
    main_menu_row(driver, 1);
    driver.key_down(SDLK_RIGHT);    // the gallery's own poll
    driver.key_down(BUTTON_B, 1);   // the back poll passes, the next own poll leaves
}

void credits(ScriptDriver& driver, int passes)
{
    main_menu_row(driver, 3);
    driver.key_down(BUTTON_B, passes);
}

void backdrop(ScriptDriver& driver, int backdrop)
{
    main_menu_row(driver, 2);
    rows(driver, OPTIONS_GAME_CONFIG);
    driver.key_down(BUTTON_A);
    // The game configuration opens on the row that chose it.
    rows(driver, GAME_CONFIG_BACKDROP - OPTIONS_GAME_CONFIG);
    columns(driver, backdrop);
    rows(driver, GAME_CONFIG_BACK - GAME_CONFIG_BACKDROP);
    driver.key_down(BUTTON_A);
}

void name(ScriptDriver& driver, const std::string& name)
{
    Cell at = {0, 0};
    for (char c : name) {
        const Cell to = cell_of(c);
        rows(driver, to.row - at.row);
        columns(driver, to.column - at.column);
        driver.key_down(BUTTON_A);
        at = to;
    }
}

void exit_game(ScriptDriver& driver) { main_menu_row(driver, MAIN_MENU_LAST_ROW); }

}  // namespace route
