#include "shell/settings.h"

int VOL = 30;
int bg_menu = 0;
int flame_menu = 0;
int nk_menu = 0;
