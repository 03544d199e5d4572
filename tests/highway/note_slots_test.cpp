#include "highway/collision.h"
#include "highway/lanes.h"

#include <gtest/gtest.h>

namespace {

constexpr int EXPECTED_POOL_SIZE[LANE_COUNT] = {311, 260, 250, 126, 100};

void for_each_slot(void (*visit)(int lane, SDL_Rect& slot, bool& played))
{
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        const Lane& row = lane_data(lane);
        for (int i = 0; i < row.pool_size; ++i) visit(lane, row.slots[i], row.played[i]);
    }
}

TEST(NoteSlots, StartAtTheTopOfTheirLaneWithNoSize)
{
    int total = 0;
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        EXPECT_EQ(lane_data(lane).pool_size, EXPECTED_POOL_SIZE[lane - 1]) << "lane " << lane;
        total += lane_data(lane).pool_size;
    }
    EXPECT_EQ(total, 1047);

    for_each_slot([](int lane, SDL_Rect& slot, bool& played) {
        ASSERT_EQ(slot.x, LANE_X[lane - 1]);
        ASSERT_EQ(slot.y, 0);
        ASSERT_EQ(slot.w, 0);
        ASSERT_EQ(slot.h, 0);
        ASSERT_FALSE(played);
    });

    // The named pools are the table's pools.
    EXPECT_EQ(&note_slot(3, 17), &dst_Nota3[17]);
    EXPECT_EQ(&note_slot(1, 310), &dst_Nota1[310]);
    EXPECT_EQ(&note_slot(5, 99), &dst_Nota5[99]);
}

TEST(NoteSlots, ParkingTurnsOnly250BackTo240)
{
    struct Case {
        Sint16 before;
        Sint16 after;
    };
    const Case cases[] = {{0, 0}, {120, 120}, {230, 230}, {240, 240}, {250, 240}, {260, 260}, {-6, -6}};

    for (const Case& c : cases) {
        for_each_slot([](int, SDL_Rect& slot, bool&) { slot = {slot.x, 0, 31, 23}; });
        dst_Nota2[7].y = c.before;
        dst_Nota5[99].y = c.before;  // the last slot of the last pool too

        parar_notas();
        EXPECT_EQ(dst_Nota2[7].y, c.after) << "from " << c.before;
        EXPECT_EQ(dst_Nota5[99].y, c.after) << "from " << c.before;
        EXPECT_EQ(dst_Nota2[7].h, 23) << "parking keeps the size";

        parar_notas();  // twice is the same as once
        EXPECT_EQ(dst_Nota2[7].y, c.after) << "from " << c.before << ", parked twice";
    }
}

TEST(NoteSlots, ParkingReachesEverySlot)
{
    for_each_slot([](int, SDL_Rect& slot, bool&) { slot.y = PARKED_Y; });
    parar_notas();
    for_each_slot([](int, SDL_Rect& slot, bool&) { ASSERT_EQ(slot.y, MISS_LINE_Y); });
}

TEST(NoteSlots, ZerarNotasPutsEverySlotBackAndForgetsPlayedMarks)
{
    for_each_slot([](int, SDL_Rect& slot, bool& played) {
        slot.y = 120;
        slot.w = 31;
        slot.h = 23;
        played = true;
    });

    zerar_notas();

    for_each_slot([](int lane, SDL_Rect& slot, bool& played) {
        ASSERT_EQ(slot.x, LANE_X[lane - 1]);
        ASSERT_EQ(slot.y, 0);
        ASSERT_EQ(slot.w, 31) << "the size of the last draw stays";
        ASSERT_EQ(slot.h, 23);
        ASSERT_FALSE(played);
        const SDL_Rect target = {slot.x, FRET_TARGET_Y, 31, 18};
        ASSERT_FALSE(check_collision(slot, target)) << "an idle slot overlaps no fret target";
    });
}

}  // namespace
