// Levels brought by the player: what a file's content is, which files of a
// directory make a pack and in what order, and the name its progress is kept under.
#include "format/level_pack.h"

#include "support/bytes.h"
#include "support/temp_dir.h"
#include "level_test_boards.h"

#include <filesystem>

namespace {

const std::string PLAYABLE = TestText({"~@.E"});

void WriteString(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(WriteFileBytes(path, Bytes(text.begin(), text.end()))) << path;
}

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
        WriteString(dir.File(name), PLAYABLE);
    for (const char* other : {"level0", "level01", "level.dat", "levelx", "level12.bak", "notes.txt", "Level12"})
        WriteString(dir.File(other), "not a level");
    std::vector<std::string> paths;
    std::string why;
    ASSERT_TRUE(LevelPackList(dir.path, paths, why)) << why;
    ASSERT_EQ(paths.size(), std::size(names));
    for (size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(paths[i], dir.File(names[i]));

    WriteString(dir.File("level100.dat"), PLAYABLE);
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
    WriteString(dir.File("level1"), PLAYABLE);
    const std::string here = std::filesystem::current_path().string();
    std::filesystem::current_path(dir.path);
    LevelPack pack;
    std::string why;
    const bool loaded = LevelPackLoad(".", pack, why);
    std::filesystem::current_path(here);
    ASSERT_TRUE(loaded) << why;
    EXPECT_EQ(pack.key, LevelPackKey(dir.path, {a}));
}
