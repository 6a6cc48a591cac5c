// The keyboard snapshot, the clock's wait across the tick count's wrap, the
// random helper and the error log.
#include "engine/clock.h"
#include "engine/input.h"
#include "engine/log.h"
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

TEST(KeyboardPoll, SnapshotFollowsTheKeysHeldAndIsClearedWithoutAKeyboard)
{
    HeadlessReset();
    EXPECT_EQ(KeyboardAttach(), 1);
    HeadlessSetKey(DIK_UP, true);
    HeadlessSetKey(DIK_R, true);
    for (int poll = 0; poll < 2; ++poll) {   // held keys stay down until released
        ASSERT_EQ(KeyboardPoll(), 1);
        for (int key = 0; key < KEY_STATE_SIZE; ++key)
            EXPECT_EQ(KeyState[key] != 0, key == DIK_UP || key == DIK_R) << key;
    }
    HeadlessSetKey(DIK_UP, false);
    ASSERT_EQ(KeyboardPoll(), 1);
    EXPECT_EQ(KeyState[DIK_UP], 0);
    EXPECT_NE(KeyState[DIK_R], 0);

    HeadlessSetKeyboardPresent(false);
    EXPECT_EQ(KeyboardAttach(), 0);
    EXPECT_EQ(KeyboardPoll(), 0);
    for (int key = 0; key < KEY_STATE_SIZE; ++key)
        ASSERT_EQ(KeyState[key], 0) << key;
}

TEST(KeyAsyncDown, EscapeAndEnter)
{
    HeadlessReset();
    EXPECT_EQ(KeyAsyncDown(VK_ESCAPE), 0);
    HeadlessSetKey(DIK_ESCAPE, true);
    EXPECT_EQ(KeyAsyncDown(VK_ESCAPE), 1);
    EXPECT_EQ(KeyAsyncDown(VK_RETURN), 0);
    HeadlessSetKey(DIK_RETURN, true);
    EXPECT_EQ(KeyAsyncDown(VK_RETURN), 1);
}

TEST(Clock, WaitMeasuresFromTheMarkAcrossTheWrap)
{
    HeadlessReset();
    HeadlessSetClock(1000);
    ClockMark();
    HeadlessSetClock(1200);
    ClockWaitSinceMark(150);
    EXPECT_EQ(ClockNow(), 1200u);  // already past: no wait at all
    for (uint32_t start : {1200u, 0xFFFFFFFFu - 40, 0xFFFFFFFFu}) {
        HeadlessSetClock(start);
        ClockMark();
        ClockWaitSinceMark(150);
        EXPECT_EQ(ClockNow(), start + 150u) << start;  // wraps past 0 for the last two
    }
}

TEST(RandomBelow, ZeroDrawsNothing)
{
    std::srand(7);
    const int first = std::rand();
    const int second = std::rand();
    std::srand(7);
    EXPECT_EQ(RandomBelow(0), 0);
    EXPECT_EQ(RandomBelow(12), first % 12);
    EXPECT_EQ(RandomBelow(0), 0);
    EXPECT_EQ(RandomBelow(2), second % 2);
}

TEST(LogWrite, WritesOnlyToAnOpenLog)
{
    ASSERT_EQ(ErrorLog, nullptr);
    EXPECT_EQ(LogWrite("\nCreate BOB %d", 6), 0);
    ErrorLog = std::tmpfile();
    ASSERT_NE(ErrorLog, nullptr);
    EXPECT_EQ(LogWrite(nullptr), 0);
    EXPECT_EQ(LogWrite("\nCreate BOB %d", 6), 1);
    std::rewind(ErrorLog);
    char text[32] = {};
    EXPECT_EQ(std::fread(text, 1, sizeof text - 1, ErrorLog), 13u);
    EXPECT_STREQ(text, "\nCreate BOB 6");
    std::fclose(ErrorLog);
    ErrorLog = nullptr;
}
