// Levels brought by the player: what a file's content is, which files of a
// directory make a pack and in what order, and the name its progress is kept under.
#include "format/level_link.h"
#include "format/level_pack.h"

#include "support/bytes.h"
#include "support/temp_dir.h"
#include "level_test_boards.h"

#include <filesystem>

namespace {

const std::string PLAYABLE = TestText({"~@.E"});


} // namespace

// Exactly 300 bytes is a level file whatever its name, its tail kept; any
// other length is text, CRLF lines included.
TEST(LevelPack, ContentIsALevelFileOrText)
{
    LevelFile file = TestParse(PLAYABLE);
    file.bytes[LEVEL_FILE_SIZE - 1] = 0x55;
    const std::string bytes(file.bytes.begin(), file.bytes.end());
    LevelFile read;
    std::string why;
    ASSERT_TRUE(LevelFromContent("board.txt", bytes, read, why)) << why;
    EXPECT_EQ(read.bytes, file.bytes);

    std::string crlf;
    for (char c : PLAYABLE)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(LevelFromContent("board", crlf, read, why)) << why;
    EXPECT_EQ(read.bytes, TestParse(PLAYABLE).bytes);
    // Text in a file named as a level file is refused for its size.
    EXPECT_FALSE(LevelFromContent("board.dat", PLAYABLE, read, why));
    EXPECT_NE(why.find("156 bytes"), std::string::npos) << why;
}

// Levels are found by number, not by name order, under their three names;
// other files are no levels of the pack, and level numbers past 99 are refused.
TEST(LevelPack, ListsLevelsInNumberOrder)
{
    TempDir dir("quagmore-pack");
    const char* const names[] = {"level1", "level2.txt", "level3.dat", "level4", "level5", "level6",
                                 "level7", "level8",     "level9",     "level10.txt", "level11"};
    for (const char* name : names)
        ASSERT_TRUE(WriteFileText(dir.File(name), PLAYABLE));
    for (const char* other : {"level0", "level01", "level.dat", "levelx", "level12.bak", "notes.txt", "Level12"})
        ASSERT_TRUE(WriteFileText(dir.File(other), "not a level"));
    std::vector<std::string> paths;
    std::string why;
    ASSERT_TRUE(LevelPackList(dir.path, paths, why)) << why;
    ASSERT_EQ(paths.size(), std::size(names));
    for (size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(paths[i], dir.File(names[i]));

    ASSERT_TRUE(WriteFileText(dir.File("level100.dat"), PLAYABLE));
    EXPECT_FALSE(LevelPackList(dir.path, paths, why));
    EXPECT_EQ(why, "level100.dat: a pack holds at most 99 levels");
}

// The key follows the levels' bytes and their order, and makes any directory
// name a safe file name.
TEST(LevelPack, KeyFollowsNameAndContents)
{
    const LevelFile a = TestParse(PLAYABLE);
    const LevelFile b = TestParse(TestText({"~@.E", "~~o~"}));
    const std::string key = LevelPackKey("/home/me/My Pack!", {a, b});
    ASSERT_EQ(key.size(), std::string("My_Pack_-").size() + 16);
    EXPECT_EQ(key.rfind("My_Pack_-", 0), 0u) << key;
    EXPECT_EQ(key.find_first_not_of("0123456789abcdef", 9), std::string::npos) << key;
    EXPECT_EQ(LevelPackKey("/elsewhere/My Pack!/", {a, b}), key);
    EXPECT_NE(LevelPackKey("/home/me/My Pack!", {b, a}), key);
    EXPECT_NE(LevelPackKey("/home/me/My Pack!", {a}), key);
    LevelFile changed = b;
    changed.bytes[LEVEL_FILE_SIZE - 1] = 1;
    EXPECT_NE(LevelPackKey("/home/me/My Pack!", {a, changed}), key);
    EXPECT_EQ(LevelPackKey("..", {a}).rfind("pack-", 0), 0u);

    // "." is named for the directory it stands for.
    TempDir dir("quagmore-pack");
    ASSERT_TRUE(WriteFileText(dir.File("level1"), PLAYABLE));
    const std::string here = std::filesystem::current_path().string();
    std::filesystem::current_path(dir.path);
    LevelPack pack;
    std::string why;
    const bool loaded = LevelPackLoad(".", pack, why);
    std::filesystem::current_path(here);
    ASSERT_TRUE(loaded) << why;
    EXPECT_EQ(pack.key, LevelPackKey(dir.path, {a}));
}

// A level link carries the board's 144 bytes as URL-safe base64: a board of
// every tile comes back byte for byte from a whole address or its fragment
// alone, read where a level file's path is; a damaged link or an unplayable
// board is refused with what is wrong.
TEST(LevelPack, LinkCarriesTheBoard)
{
    // Water is 0x0f: each three bytes 0x0f0f0f are the digits 3, 48, 60, 15.
    EXPECT_EQ(LevelLinkMake(LevelFileBlank()), LEVEL_LINK_MARK + [] {
        std::string board;
        for (int group = 0; group < LEVEL_TILE_BYTES / 3; ++group)
            board += "Dw8P";
        return board;
    }());

    // The last two groups: 0xffffff is "____", 0xfbefbe is "----".
    LevelFile board = TestBoard({"~.oE@", "~~..o", "..o.."});
    const uint8_t tail[] = {0xff, 0xff, 0xff, 0xfb, 0xef, 0xbe};
    for (int row = 6; row < BOARD_SIZE; ++row)
        board.bytes[LevelByteIndex(11, row)] = tail[row - 6];
    const std::string fragment = LevelLinkMake(board);
    ASSERT_EQ(fragment.size(), std::string(LEVEL_LINK_MARK).size() + LEVEL_LINK_CHARS);
    EXPECT_EQ(fragment.substr(fragment.size() - 8), "____----");
    for (int row = 6; row < BOARD_SIZE; ++row)
        board.bytes[LevelByteIndex(11, row)] = TILE_WATER;
    const std::string playable = LevelLinkMake(board);
    LevelFile read;
    std::string why;
    for (const std::string& link : {"http://127.0.0.1:8000/index.html" + playable, playable, playable + "\n"}) {
        ASSERT_TRUE(LevelReadPlayable(link, read, why)) << link << ": " << why;
        EXPECT_TRUE(std::equal(read.bytes.begin(), read.bytes.begin() + LEVEL_TILE_BYTES, board.bytes.begin()));
    }
    EXPECT_FALSE(LevelLinkIs(PLAYABLE));

    struct Damaged {
        std::string link;
        std::string said;
    };
    const Damaged damaged[] = {
        {playable.substr(0, playable.size() - 1), "191 characters"},
        {playable + "A", "193 characters"},
        {playable.substr(0, 20) + "+" + playable.substr(21), "'+' at character 14"},
        {fragment, "can't be played"},
        {LevelLinkMake(TestBoard({"~@.."})), "can't be played: no exit"},
    };
    for (const Damaged& bad : damaged) {
        EXPECT_FALSE(LevelReadPlayable(bad.link, read, why)) << bad.link;
        EXPECT_NE(why.find(bad.said), std::string::npos) << bad.link << ": " << why;
    }
}
