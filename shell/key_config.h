// The key configuration: ten steps, each binding the next key pressed to the
// lane code of its step; SELECT ends it early.
#pragma once

#include "shell/flow.h"

extern int key_conf;  // the step, 0..10; 10 ends the screen

constexpr int KEY_CONF_STEPS = 10;

// Runs from step 0 until the tenth key or SELECT; then the main-menu top.
// Bindings written before the end stay, also after SELECT.
Next key_configuration();
