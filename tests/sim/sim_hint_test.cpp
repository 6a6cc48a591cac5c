// Hints and the dead-end warning on small levels of their own; the warning on
// the shipped levels is checked against the level tool in tests/level. An
// answer comes in the frame after the question: a question is asked at the
// end of the frame in which the player comes to stand on a cell.
#include "sim_harness.h"

#include "support/bmp.h"

namespace {

const char* const STUCK = "No way out: Z to undo, R to restart";
const char* const COUNTERS = "Level 1   Moves 0   Pushes 0";

} // namespace

TEST_F(SimTest, HintShowsTheOneRightPushUntilThePlayerMoves)
{
    WriteLevel("level1.dat", ONE_WAY_LEVEL);
    SimResult run = Run(R"(
        hold h
        run 1           # frame 1 asks
        shot plain.bmp
        hold
        run 1           # frame 2 shows it
        shot hint.bmp
        print status
        hold h
        run 1           # a hint shown is the answer: nothing asked
        hold left
        run 10          # a step takes the hint away
        hold right
        run 10
        hold h
        run 1
        hold
        run 1           # frame 25: the same push again
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("hint"), (Lines{"2 hint 3 2 R", "25 hint 3 2 R"}));
    EXPECT_EQ(run.statuses, Lines{COUNTERS});

    // A ring on the pile's cell and an arrow on the cell it goes to, its head
    // toward the push; the cells around are left alone.
    BmpImage plain, hint;
    ASSERT_TRUE(BmpDecode(ReadFileBytes(root + "/plain.bmp"), &plain));
    ASSERT_TRUE(BmpDecode(ReadFileBytes(root + "/hint.bmp"), &hint));
    auto changed = [&](int x, int y) { return plain.At(x, y) != hint.At(x, y); };
    EXPECT_TRUE(changed(3 * 50 + 2, 2 * 50 + 25));    // the ring's left side
    EXPECT_TRUE(changed(4 * 50 + 25, 2 * 50 + 25));   // the arrow's middle
    EXPECT_TRUE(changed(4 * 50 + 30, 2 * 50 + 12));   // its head, wide on the right
    EXPECT_FALSE(changed(4 * 50 + 19, 2 * 50 + 12));  // ...narrow shaft on the left
    EXPECT_FALSE(changed(5 * 50 + 25, 2 * 50 + 25));
    EXPECT_FALSE(changed(3 * 50 + 25, 3 * 50 + 25));
}

TEST_F(SimTest, APushThatLosesTheLevelWarnsUntilUndoOrRestart)
{
    WriteLevel("level1.dat", ONE_WAY_LEVEL);
    SimResult run = Run(R"(
        watch solver
        hold up
        run 10
        hold right
        run 10
        hold down
        run 10          # the pile drops into (3, 3) in frame 30
        hold
        run 1           # frame 31: the warning
        print status
        hold h
        run 1
        hold
        run 1           # a hint would only say the same: nothing new
        hold left
        run 10          # walking keeps it
        print status
        hold z
        run 1           # the walk taken back: still lost
        hold
        run 1
        print status
        hold z
        run 1           # the push taken back
        hold
        run 2
        print status
        hold down
        run 10
        hold
        run 1           # frame 59
        hold r
        run 1
        hold
        run 2
        print status
        hold h
        run 1
        hold
        run 1           # from the start the one right push
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("stuck"), (Lines{"31 stuck", "59 stuck"}));
    EXPECT_EQ(run.EventsOf("hint"), Lines{"64 hint 3 2 R"});
    EXPECT_EQ(run.statuses, (Lines{STUCK, STUCK, STUCK, "Level 1   Moves 2   Pushes 0", COUNTERS}));
}

TEST_F(SimTest, HintOnALostOrAnOpenLevelSaysSoOnTheStatusLine)
{
    const char* const script = R"(
        hold h
        run 1
        hold
        run 1
        print status
    )";
    WriteLevel("level1.dat", LevelMap({"@.o."}, 2, 2));   // no exit
    SimResult lost = Run(script);
    ASSERT_EQ(lost.code, 0) << lost.err;
    EXPECT_EQ(lost.EventsOf("stuck"), Lines{"2 stuck"});
    EXPECT_EQ(lost.statuses, Lines{STUCK});

    WriteLevel("level1.dat", LevelMap({"@.E"}, 2, 2));
    SimResult open = Run(script, "");
    ASSERT_EQ(open.code, 0) << open.err;
    EXPECT_EQ(open.EventsOf("stuck"), Lines{});
    EXPECT_EQ(open.EventsOf("hint"), Lines{});
    EXPECT_EQ(open.statuses, Lines{"No push needed: walk to the exit"});
}
