// Lane codes and the default bindings.
#include "shell/key_bindings.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyBindingsTest, DefaultsGiveEveryLaneTwoKeys)
{
    const struct {
        SDLKey key;
        int lane;
    } defaults[] = {{SDLK_LSHIFT, 1}, {SDLK_LEFT, 1},  {SDLK_LALT, 2},  {SDLK_DOWN, 2},      {SDLK_LCTRL, 3},
                    {SDLK_RIGHT, 3},  {SDLK_SPACE, 4}, {SDLK_UP, 4},    {SDLK_TAB, 5},       {SDLK_BACKSPACE, 5}};
    for (const auto& d : defaults) {
        ASSERT_NE(binding_of(d.key), nullptr) << d.key;
        EXPECT_EQ(lane_of_code(*binding_of(d.key)), d.lane) << d.key;
    }
    EXPECT_EQ(binding_of(SDLK_a), nullptr);
    EXPECT_EQ(binding_of(SDLK_RETURN), nullptr);
}

TEST(KeyBindingsTest, CodesNAndNPlusFivePlayTheSameLaneAndOthersNone)
{
    const int expected[] = {0, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 0};
    for (int code = 0; code <= 11; ++code) EXPECT_EQ(lane_of_code(code), expected[code]) << code;
    EXPECT_EQ(lane_of_code(-1), 0);
    EXPECT_EQ(lane_of_code(1000), 0);
}

}  // namespace
