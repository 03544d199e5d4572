#include "shell/name_entry.h"

// Not built yet: straight on to the main-menu entry.
Next name_entry() { return Next::MenuEntry; }
