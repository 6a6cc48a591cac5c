// The shared platform code: where files are found, the saved progress file
// and the single-instance lock.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const uint8_t UNTOUCHED = 0xEE;

class PlatformFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quagmore-common-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        gameDir = root + "/game";
        home = root + "/home";
        fs::create_directories(gameDir);
        PlatformSetDirectories(gameDir, home);
    }
    void TearDown() override
    {
        PlatformSetDirectories("", "");
        fs::remove_all(root);
    }
    static void WriteFile(const std::string& path, const std::string& content)
    {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }
    std::string ProgressPath() const { return PlatformUserConfigDir() + "/progress"; }

    std::string root;
    std::string gameDir;
    std::string home;
};

// A fresh run finds nothing; each write then reads back, overwriting the last.
TEST_F(PlatformFiles, ProgressRoundTrip)
{
    uint8_t value = UNTOUCHED;
    EXPECT_EQ(PlatformProgressRead(&value), 0);
    EXPECT_EQ(value, UNTOUCHED);
    for (uint8_t level : {uint8_t{5}, uint8_t{12}, uint8_t{1}, uint8_t{0}, uint8_t{255}}) {
        ASSERT_EQ(PlatformProgressWrite(level), 1);
        value = UNTOUCHED;
        EXPECT_EQ(PlatformProgressRead(&value), 1);
        EXPECT_EQ(value, level);
    }
}

TEST_F(PlatformFiles, DamagedProgressReadsAsMissing)
{
    const std::string damaged[] = {
        "",
        "Level=\n",
        "Level=256\n",
        "Level=99999999999999999999\n",
        "Level=-1\n",
        "Level= 5\n",
        "Level=5 \n",
        "Level=5\nLevel=6\n",
        "level=5\n",
        "Level5\n",
        std::string("Level=5\n\0", 9),
        std::string("\x01\x02\x03", 3),
        "Level=" + std::string(70, '0') + "5\n",   // over-long, though the number is fine
    };
    for (const std::string& content : damaged) {
        WriteFile(ProgressPath(), content);
        uint8_t value = UNTOUCHED;
        EXPECT_EQ(PlatformProgressRead(&value), 0) << "content: " << content;
        EXPECT_EQ(value, UNTOUCHED);
    }
    // A directory where the file should be is no progress either.
    fs::remove(ProgressPath());
    fs::create_directories(ProgressPath());
    uint8_t value = UNTOUCHED;
    EXPECT_EQ(PlatformProgressRead(&value), 0);
}

// The write goes through a temporary file renamed over the old one: afterwards
// only the progress file is left, even when a crash left a temporary behind.
TEST_F(PlatformFiles, ProgressWriteLeavesOnlyTheFile)
{
    WriteFile(ProgressPath() + ".new", "Level=9");
    uint8_t value = UNTOUCHED;
    EXPECT_EQ(PlatformProgressRead(&value), 0);

    ASSERT_EQ(PlatformProgressWrite(3), 1);
    ASSERT_EQ(PlatformProgressWrite(4), 1);
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(PlatformUserConfigDir()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"progress"});
    EXPECT_EQ(PlatformProgressRead(&value), 1);
    EXPECT_EQ(value, 4);
}

TEST_F(PlatformFiles, ProgressWriteFailsWhenItsDirectoryCannotBeMade)
{
    WriteFile(home + "/config", "a file where the directory belongs");
    EXPECT_EQ(PlatformProgressWrite(7), 0);
    uint8_t value = UNTOUCHED;
    EXPECT_EQ(PlatformProgressRead(&value), 0);
}

// Data files: the user's copy first, then the shipped one; the user's path
// when neither exists, so the editor's file is written there.
TEST_F(PlatformFiles, UserDataFileOverridesTheShippedOne)
{
    WriteFile(gameDir + "/level3.dat", "shipped");
    EXPECT_EQ(PlatformFindDataFile("level3.dat"), gameDir + "/level3.dat");

    WriteFile(PlatformUserDataDir() + "/level3.dat", "edited");
    EXPECT_EQ(PlatformFindDataFile("level3.dat"), PlatformUserDataDir() + "/level3.dat");

    EXPECT_EQ(PlatformFindDataFile("level.dat"), PlatformUserDataDir() + "/level.dat");
    // A directory of that name is not a file.
    fs::create_directories(PlatformUserDataDir() + "/pieces.bmp");
    WriteFile(gameDir + "/pieces.bmp", "BM");
    EXPECT_EQ(PlatformFindDataFile("pieces.bmp"), gameDir + "/pieces.bmp");
}

TEST_F(PlatformFiles, UserFilePathMakesTheDirectory)
{
    EXPECT_FALSE(fs::exists(PlatformUserDataDir()));
    std::string path = PlatformUserFilePath("level.dat");
    EXPECT_EQ(path, PlatformUserDataDir() + "/level.dat");
    EXPECT_TRUE(fs::is_directory(PlatformUserDataDir()));
    EXPECT_NE(PlatformUserDataDir().find(home), std::string::npos);
    EXPECT_NE(PlatformUserConfigDir().find(home), std::string::npos);
}

// With the real home the XDG variables decide; a relative one is ignored.
TEST_F(PlatformFiles, XdgDirectories)
{
    PlatformSetDirectories(gameDir, "");
    std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (root + "/xdg-data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(PlatformUserDataDir(), root + "/xdg-data/quagmore");
    EXPECT_EQ(PlatformUserConfigDir(), home + "/.config/quagmore");
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(PlatformUserDataDir(), home + "/.local/share/quagmore");
    setenv("HOME", savedHome.c_str(), 1);
}

// A second copy is refused while the first holds the lock, and may start as
// soon as the first has ended, however it ended.
TEST_F(PlatformFiles, InstanceLockHeldByAnotherProcess)
{
    int toParent[2];
    int toChild[2];
    ASSERT_EQ(pipe(toParent), 0);
    ASSERT_EQ(pipe(toChild), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char result = static_cast<char>('0' + PlatformAcquireInstanceLock());
        if (write(toParent[1], &result, 1) != 1)
            _exit(2);
        char done;
        (void)!read(toChild[0], &done, 1);   // hold the lock until told
        _exit(0);                             // no unlock: the system drops it
    }
    char childResult = 0;
    ASSERT_EQ(read(toParent[0], &childResult, 1), 1);
    EXPECT_EQ(childResult, '1');
    EXPECT_EQ(PlatformAcquireInstanceLock(), 0);

    char done = 'x';
    ASSERT_EQ(write(toChild[1], &done, 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(PlatformAcquireInstanceLock(), 1);
    EXPECT_EQ(PlatformAcquireInstanceLock(), 1);   // this process holds it now
    for (int fd : {toParent[0], toParent[1], toChild[0], toChild[1]})
        close(fd);
}

} // namespace
