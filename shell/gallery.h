// The guitar gallery: one pass per pass of the main-menu dispatch.
#pragma once

#include "shell/flow.h"

Next guitar_gallery_pass();
