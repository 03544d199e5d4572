#include "shell/gallery.h"

// Not built yet: back to the main-menu top.
Next guitar_gallery_pass() { return Next::MenuTop; }
