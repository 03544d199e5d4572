#include "shell/gallery.h"

#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/song_state.h"
#include "shell/video.h"

#include <cstdio>

SDL_Rect dst_txtbox = {0, 0, 141, 462};
SDL_Rect dst_cursorbar = {147, KNOB_TOP, 0, 0};

namespace {

struct Guitar {
    int unlock_wins;
    const char* name;
    SDL_Surface* const* picture;
    SDL_Surface* const* locked_picture;
    SDL_Surface* const* description;
};
const Guitar GUITAR_TABLE[GUITARS] = {
    {5, "STRATOCAST", &gtr01, &gtr_lock00, &gtr_desc00},
    {10, "EXPLORER", &gtr02, &gtr_lock01, &gtr_desc01},
    {15, "FLYING V", &gtr03, &gtr_lock02, &gtr_desc02},
    {20, "TALVORE", &gtr04, &gtr_lock03, &gtr_desc03},
};

const SDL_Rect dst_guitar = {178, 49, 0, 0};
const SDL_Rect dst_txtbox2 = {6, 78, 0, 0};
// The bottom strip of the background, repainted over the description so
// that it shows only through the frame's window.
const SDL_Rect src_galeria = {0, 212, 175, 239};
const SDL_Rect dst_galeria = {0, 212, 0, 0};
const SDL_Rect dst_song_txt1 = {12, 10, 0, 0};
const SDL_Rect dst_song_txt2 = {12, 22, 0, 0};
const SDL_Rect dst_song_txt3 = {12, 51, 0, 0};
const SDL_Rect dst_song_txt5 = {15, 120, 0, 0};

void draw_at(SDL_Surface* surface, const SDL_Rect& at, const SDL_Rect* clip = nullptr)
{
    SDL_Rect cell = clip ? *clip : SDL_Rect{};
    apply_surface(at.x, at.y, surface, screen, clip ? &cell : nullptr);
}

void reset_scroll()
{
    dst_txtbox.y = 0;
    dst_cursorbar.y = KNOB_TOP;
}

// Up (-1) or Down (+1) by one step, not past either end.
void scroll(int direction)
{
    const int offset = dst_txtbox.y + direction * SCROLL_STEP;
    if (offset < 0 || offset > SCROLL_MAX) return;
    dst_txtbox.y = static_cast<Sint16>(offset);
    dst_cursorbar.y = static_cast<Sint16>(KNOB_TOP + KNOB_STEP * (offset / SCROLL_STEP));
}

void turn_page(int direction)
{
    play_effect(snd_cursor);
    count_song = (count_song + direction + GUITARS) % GUITARS;
    reset_scroll();
}

// The description in its frame, its scroll bar, and the strip that hides
// what lies below the frame.
void draw_description(const Guitar& guitar)
{
    draw_at(txtbox, dst_txtbox2);
    key_magenta(*guitar.description);
    apply_surface(dst_txtbox2.x, dst_txtbox2.y, *guitar.description, screen, &dst_txtbox);
    draw_at(cursor_bar, dst_cursorbar);
    draw_at(my_surfMenu2, dst_galeria, &src_galeria);
}

void draw_page(const Guitar& guitar, bool unlocked)
{
    Text messageG, messageA, messageB, messageC, messageF;
    draw_at(my_surfMenu2, SDL_Rect{});
    draw_at(unlocked ? *guitar.picture : *guitar.locked_picture, dst_guitar);
    if (unlocked) draw_description(guitar);
    draw_footer(messageG, "Press B back to MENU");

    messageA.render(font_small2, "Model", color_white);
    messageB.render(font_big, unlocked ? guitar.name : "UNKNOWN", color_white);
    messageC.render(font_small2, unlocked ? "Status: Unlocked" : "Status: locked", color_white);
    messageA.draw(dst_song_txt1.x, dst_song_txt1.y);
    messageB.draw(dst_song_txt2.x, dst_song_txt2.y);
    messageC.draw(dst_song_txt3.x, dst_song_txt3.y);
    if (!unlocked) {
        char textoD[64];
        std::snprintf(textoD, sizeof textoD, "Win %d times to Unlock", guitar.unlock_wins);
        messageF.render(font_small2, textoD, color_white);
        messageF.draw(dst_song_txt5.x, dst_song_txt5.y);
    }
    game_flip(screen);
}

}  // namespace

int unlock_wins(int guitar) { return GUITAR_TABLE[guitar].unlock_wins; }

Next guitar_gallery_pass()
{
    if (count_song < 0 || count_song >= GUITARS) count_song = 0;
    const Guitar& guitar = GUITAR_TABLE[count_song];
    draw_page(guitar, wins >= guitar.unlock_wins);

    if (!poll_key_down()) return Next::Stay;
    switch (event_key()) {
    case SDLK_UP: scroll(-1); break;
    case SDLK_DOWN: scroll(+1); break;
    case SDLK_RIGHT: turn_page(+1); break;
    case SDLK_LEFT: turn_page(-1); break;
    case BUTTON_B:
        reset_scroll();
        play_effect(snd_cancel);
        return Next::MenuTop;
    default: break;
    }
    game_flip(screen);
    return Next::Stay;
}
