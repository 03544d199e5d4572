#include "shell/options_menu.h"

int menu5 = 0;

// Not built yet: back to the main-menu top.
Next options_menu() { return Next::MenuTop; }
