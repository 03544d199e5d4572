#include "shell/high_score_view.h"

#include "shell/high_score_file.h"
#include "shell/image_table.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/play_menu.h"
#include "shell/resources.h"
#include "shell/video.h"

namespace {

constexpr const char* FOOTER = "Press B back to MENU";
constexpr const char* HEADER = "NAME                              SCORE";

constexpr SDL_Rect dst_rodape = {100, 220, 0, 0};     // footer, not centred
constexpr SDL_Rect dst_highscore1 = {80, 90, 0, 0};   // header
constexpr int TITLE_Y = 60;
// Rows 1 to 10 (dst_highscore2 .. dst_highscore11) stand 10 pixels apart.
constexpr int ROW_X = 80;
constexpr int FIRST_ROW_Y = 100;
constexpr int ROW_PITCH = 10;

// Each text holds the surface of the last pass until the next pass renders
// or releases it.
Text messageJ;                        // footer
Text messageK;                        // title
Text message2;                        // header
Text message_rows[HIGH_SCORE_ROWS];  // rows 1 to 10 (message3 .. message12)

char str[HIGH_SCORE_LINE_SIZE];       // the line buffer that each read fills

void draw_text(Text& text, const char* line, int x, int y)
{
    text.render(font_small, line, color_white);
    text.draw(x, y);
}

}  // namespace

Next high_score_view_pass()
{
    for (Text& row : message_rows) row.release();

    SDL_Rect at = {0, 0, 0, 0};
    SDL_UpperBlit(my_surfMenu5, nullptr, screen, &at);
    draw_text(messageJ, FOOTER, dst_rodape.x, dst_rodape.y);
    draw_text(message2, HEADER, dst_highscore1.x, dst_highscore1.y);

    if (select_score >= 0 && select_score < HIGH_SCORE_PAGE_COUNT) {
        const HighScorePage& page = HIGH_SCORE_PAGES[select_score];
        messageK.render(font_small, page.title, color_white);
        messageK.draw_centred(TITLE_Y);
        // A row is drawn as read: it is never used as a format.
        read_high_score_rows(page.file, str, [](int row, const char* text) {
            draw_text(message_rows[row], text, ROW_X, FIRST_ROW_Y + ROW_PITCH * row);
        });
    } else {
        messageK.release();
    }

    game_flip(screen);
    return Next::Stay;
}
