// The shared platform code: where files are found, the saved progress file,
// the settings file and the single-instance lock.
#include "platform/platform.h"
#include "platform/common/changed_rects.h"
#include "platform/common/settings.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const uint8_t UNTOUCHED = 0xEE;

class PlatformFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(root.empty());
        fs::create_directories(gameDir);
        PlatformSetDirectories(gameDir, home);
    }
    void TearDown() override { PlatformSetDirectories("", ""); }
    // The stored value, or -1 (the value left untouched) when the file reads as missing.
    static int ReadProgress()
    {
        uint8_t value = UNTOUCHED;
        if (PlatformProgressRead(&value) == 1)
            return value;
        EXPECT_EQ(value, UNTOUCHED);
        return -1;
    }
    std::string ProgressPath() const { return PlatformUserConfigDir() + "/progress"; }
    // True when a child process (which drops the lock as it exits) gets it.
    static bool LockTakenInChild()
    {
        pid_t child = fork();
        if (child == 0)
            _exit(PlatformAcquireInstanceLock() == 1 ? 0 : 1);
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    TempDir dir{"quagmore-common"};
    std::string root = dir.path, gameDir = root + "/game", home = root + "/home";
};

// Each write reads back and replaces the last; a temporary left by a crash
// is no progress. (That a write leaves no temporary behind, however it ends,
// is the save fault tests'.)
TEST_F(PlatformFiles, ProgressRoundTripIsAtomic)
{
    EXPECT_EQ(ReadProgress(), -1);
    WriteFileText(ProgressPath() + ".new", "Level=9\n");
    EXPECT_EQ(ReadProgress(), -1);
    for (uint8_t level : {uint8_t{5}, uint8_t{0}, uint8_t{255}, uint8_t{12}}) {
        ASSERT_EQ(PlatformProgressWrite(level), 1);
        EXPECT_EQ(ReadProgress(), level);
    }

    // A file where its directory belongs: the write fails and says so.
    fs::remove_all(home);
    WriteFileText(home + "/config", "not a directory");
    EXPECT_EQ(PlatformProgressWrite(7), 0);
    EXPECT_EQ(ReadProgress(), -1);
}

// A file whose first line still reads as a level gives that level; it is
// rewritten in the exact form only by a save.
TEST_F(PlatformFiles, LooseProgressReadsAsItsLevel)
{
    const std::pair<std::string, int> readable[] = {
        {"Level=7\r\n", 7}, {"level = 7\n", 7}, {"Level=7", 7}, {" Level=5 \n", 5}, {"Level=5\nLevel=6\n", 5},
        {"Level=7\r\ngarbage\n\x01\x02", 7}, {"Level=" + std::string(70, '0') + "5\n", 5},
    };
    for (const auto& [content, level] : readable) {
        WriteFileText(ProgressPath(), content);
        EXPECT_EQ(ReadProgress(), level) << "content: " << content;
        EXPECT_EQ(PlatformProgressTakeNotice(), "");
    }
    ASSERT_EQ(PlatformProgressWrite(8), 1);
    EXPECT_EQ(ReadFileText(ProgressPath()), "Level=8\n");
}

// A file that holds no level is set aside as progress.bad, with a notice for
// the player once; it is never written over. A second damaged file, with the
// first still set aside, stays where it is and blocks every save.
TEST_F(PlatformFiles, DamagedProgressIsSetAsideNeverOverwritten)
{
    const std::string damaged[] = {
        "", "Level=\n", "Level=256\n", "Level=99999999999999999999\n", "Level=-1\n", "Level5\n", "Level=5x\n",
        std::string("\0\0\0", 3), "Level=9\n" + std::string(5000, 'x'),
    };
    const std::string aside = PlatformUserConfigDir() + "/progress.bad";
    for (const std::string& content : damaged) {
        WriteFileText(ProgressPath(), content);
        EXPECT_EQ(ReadProgress(), -1) << "content: " << content;
        EXPECT_NE(PlatformProgressTakeNotice().find("progress.bad"), std::string::npos);
        EXPECT_EQ(PlatformProgressTakeNotice(), "");
        EXPECT_EQ(ReadFileText(aside), content);
        EXPECT_FALSE(fs::exists(ProgressPath()));
        fs::remove(aside);
    }

    WriteFileText(aside, "set aside before");
    WriteFileText(ProgressPath(), "Level=x\n");
    EXPECT_EQ(ReadProgress(), -1);
    EXPECT_NE(PlatformProgressTakeNotice().find("nothing is saved over it"), std::string::npos);
    EXPECT_EQ(ReadProgress(), -1);
    EXPECT_EQ(PlatformProgressTakeNotice(), "");   // told once
    std::string why;
    EXPECT_EQ(PlatformProgressWrite(2, &why), 0);
    EXPECT_NE(why, "");
    EXPECT_EQ(ReadFileText(ProgressPath()), "Level=x\n");
    EXPECT_EQ(ReadFileText(aside), "set aside before");
}

// Not regular files: a directory and a FIFO are set aside at once, never
// waited on (a FIFO used to hang the start). The level files share the reader.
TEST_F(PlatformFiles, ProgressThatIsNoFileIsSetAside)
{
    alarm(30);   // a FIFO that is waited on fails the test instead of hanging it
    const std::string aside = PlatformUserConfigDir() + "/progress.bad";
    fs::create_directories(ProgressPath());
    EXPECT_EQ(ReadProgress(), -1);
    EXPECT_TRUE(fs::is_directory(aside));
    fs::remove_all(aside);
    ASSERT_EQ(mkfifo(ProgressPath().c_str(), 0600), 0);
    EXPECT_EQ(ReadProgress(), -1);
    EXPECT_TRUE(fs::is_fifo(aside));
    EXPECT_NE(PlatformProgressTakeNotice(), "");
    alarm(0);
    ASSERT_EQ(PlatformProgressWrite(3), 1);
    EXPECT_EQ(ReadProgress(), 3);
}

// "key=value" lines in order, a later one replacing an earlier one in its
// place; lines that are none dropped; numbers read in range or as the default.
TEST(Settings, ParseFormatAndNumbers)
{
    const std::string text = std::string("zoom=2\nvolume=7\r\nno separator\n=empty key\nb\xe4" "d=1\n"
                                         "tab=\x01\nzoom=3\nfullscreen=1\nname=a=b c") + '\0' + "\n";
    Settings settings = SettingsParse(text);
    EXPECT_EQ(SettingsFormat(settings), "zoom=3\nvolume=7\nfullscreen=1\n");
    SettingsSet(settings, "volume", "");
    SettingsSet(settings, "keys.left", "A");
    EXPECT_EQ(SettingsFormat(settings), "zoom=3\nvolume=\nfullscreen=1\nkeys.left=A\n");

    const struct {
        const char* value;
        int read;
    } numbers[] = {{"1", 1}, {"4", 4}, {"0004", 4}, {"0", -1}, {"5", -1}, {"-1", -1}, {"+2", -1},
                   {"2 ", -1}, {"", -1}, {"banana", -1}, {"99999999999999999999", -1}};
    for (const auto& number : numbers) {
        Settings one = SettingsParse(std::string("zoom=") + number.value + "\n");
        EXPECT_EQ(SettingsInt(one, "zoom", 1, 4, -1), number.read) << number.value;
    }
    EXPECT_EQ(SettingsInt({}, "zoom", 1, 4, 3), 3);
}

// Written through a temporary renamed over the file, read back whole; a file
// of garbage gives what can be made out, an oversized one nothing.
TEST_F(PlatformFiles, SettingsRoundTripAndDamage)
{
    EXPECT_TRUE(SettingsRead().empty());
    const std::string path = PlatformUserConfigDir() + "/settings";
    WriteFileText(path + ".new", "zoom=4\n");
    EXPECT_TRUE(SettingsRead().empty());
    Settings settings = SettingsParse("zoom=2\nfuture=kept\n");
    ASSERT_TRUE(SettingsWrite(settings));
    EXPECT_EQ(SettingsFormat(SettingsRead()), "zoom=2\nfuture=kept\n");
    EXPECT_FALSE(fs::exists(path + ".new"));

    WriteFileText(path, std::string("\x7f" "ELF\0\0\xff\nfullscreen=1\n\xfe\xfd", 23));
    EXPECT_EQ(SettingsFormat(SettingsRead()), "fullscreen=1\n");
    WriteFileText(path, std::string(70000, 'a') + "\nzoom=2\n");
    EXPECT_TRUE(SettingsRead().empty());

    // A file where the directory belongs: the write fails and says so.
    fs::remove_all(home);
    WriteFileText(home + "/config", "not a directory");
    EXPECT_FALSE(SettingsWrite(settings));
}

// The user's copy of a data file first, then the shipped one; the user's path
// (its directory made) when neither exists, so the editor's file goes there.
TEST_F(PlatformFiles, UserDataFileOverridesTheShippedOne)
{
    WriteFileText(gameDir + "/level3.dat", "shipped");
    EXPECT_EQ(PlatformFindDataFile("level3.dat"), gameDir + "/level3.dat");
    WriteFileText(PlatformUserDataDir() + "/level3.dat", "edited");
    EXPECT_EQ(PlatformFindDataFile("level3.dat"), PlatformUserDataDir() + "/level3.dat");
    EXPECT_EQ(PlatformFindDataFile("level.dat"), PlatformUserDataDir() + "/level.dat");
    fs::create_directories(PlatformUserDataDir() + "/pieces.bmp");   // a directory is not a file
    WriteFileText(gameDir + "/pieces.bmp", "BM");
    EXPECT_EQ(PlatformFindDataFile("pieces.bmp"), gameDir + "/pieces.bmp");

    fs::remove_all(home);
    EXPECT_EQ(PlatformUserFilePath("level.dat"), PlatformUserDataDir() + "/level.dat");
    EXPECT_TRUE(fs::is_directory(PlatformUserDataDir()));
}

// With the real home the XDG variables decide (a relative one is ignored),
// else the home; without HOME, or with an empty one, the home comes from the
// password database, never from /tmp.
TEST_F(PlatformFiles, XdgDirectoriesAndTheHome)
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
    struct passwd* user = getpwuid(geteuid());
    ASSERT_NE(user, nullptr);
    for (bool empty : {false, true}) {
        if (empty)
            setenv("HOME", "", 1);
        else
            unsetenv("HOME");
        EXPECT_EQ(PlatformUserConfigDir(), std::string(user->pw_dir) + "/.config/quagmore");
        EXPECT_EQ(PlatformUserDataDir(), std::string(user->pw_dir) + "/.local/share/quagmore");
    }
    setenv("HOME", savedHome.c_str(), 1);
}

// Links planted where a save makes its temporary file, or as the file
// itself, are never written through: their targets stay as they were.
TEST_F(PlatformFiles, PlantedLinksAreNotFollowed)
{
    const std::string victim = root + "/victim";
    WriteFileText(victim, "not yours");
    fs::create_directories(PlatformUserConfigDir());
    fs::create_symlink(victim, ProgressPath() + ".new");
    ASSERT_EQ(PlatformProgressWrite(5), 1);
    EXPECT_EQ(ReadFileText(victim), "not yours");
    EXPECT_EQ(ReadFileText(ProgressPath()), "Level=5\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(ProgressPath() + ".new")));

    // A link as level.dat is replaced by the saved file.
    fs::create_directories(PlatformUserDataDir());
    fs::create_symlink(victim, PlatformUserDataDir() + "/level.dat");
    fs::create_symlink(victim, PlatformUserDataDir() + "/level.dat.new");
    std::string why;
    ASSERT_EQ(PlatformSaveUserFile("level.dat", "saved", 5, &why), 1) << why;
    EXPECT_EQ(ReadFileText(victim), "not yours");
    EXPECT_EQ(ReadFileText(PlatformUserDataDir() + "/level.dat"), "saved");
    EXPECT_FALSE(fs::is_symlink(PlatformUserDataDir() + "/level.dat"));

    // The lock file is no link either: a dangling one makes no file.
    const std::string runtime = home + "/runtime/quagmore";
    fs::create_directories(runtime);
    fs::create_symlink(root + "/made-through-link", runtime + "/instance.lock");
    EXPECT_TRUE(LockTakenInChild());
    EXPECT_FALSE(fs::exists(root + "/made-through-link"));
}

// Another user's directory (or one anyone may write to) is not used: nothing
// is saved to it or read from it, and the lock is not taken there, so no one
// else can hold it for us.
TEST_F(PlatformFiles, DirectoriesOfOthersAreNotUsed)
{
    const uid_t other = geteuid() == 0 ? 65534 : geteuid();
    WriteFileText(ProgressPath(), "Level=9\n");
    WriteFileText(PlatformUserDataDir() + "/level3.dat", "planted");
    WriteFileText(gameDir + "/level3.dat", "shipped");
    if (geteuid() == 0) {
        ASSERT_EQ(chown(PlatformUserConfigDir().c_str(), other, other), 0);
        ASSERT_EQ(chown(PlatformUserDataDir().c_str(), other, other), 0);
    }
    ASSERT_EQ(chmod(PlatformUserDataDir().c_str(), 0777), 0);
    ASSERT_EQ(chmod(PlatformUserConfigDir().c_str(), 0777), 0);
    EXPECT_EQ(ReadProgress(), -1);
    std::string why;
    EXPECT_EQ(PlatformProgressWrite(2, &why), 0);
    EXPECT_NE(why.find("its directory is not used"), std::string::npos);
    EXPECT_EQ(ReadFileText(ProgressPath()), "Level=9\n");
    EXPECT_EQ(PlatformFindDataFile("level3.dat"), gameDir + "/level3.dat");
    EXPECT_EQ(PlatformSaveUserFile("level.dat", "saved", 5, &why), 0);
    EXPECT_FALSE(fs::exists(PlatformUserDataDir() + "/level.dat"));

    const std::string runtime = home + "/runtime/quagmore";
    fs::create_directories(runtime);
    ASSERT_EQ(chmod(runtime.c_str(), 0777), 0);
    EXPECT_TRUE(LockTakenInChild());
    EXPECT_FALSE(fs::exists(runtime + "/instance.lock"));
}

// A second copy is refused while another process holds the lock, and may
// start once that one has been killed without unlocking.
TEST_F(PlatformFiles, InstanceLockHeldByAnotherProcess)
{
    int toParent[2];
    ASSERT_EQ(pipe(toParent), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char result = static_cast<char>('0' + PlatformAcquireInstanceLock());
        alarm(30);   // ends by itself should the test fail before the kill
        if (write(toParent[1], &result, 1) == 1)
            pause();
        _exit(2);
    }
    char childResult = 0;
    ASSERT_EQ(read(toParent[0], &childResult, 1), 1);
    EXPECT_EQ(childResult, '1');
    EXPECT_EQ(PlatformAcquireInstanceLock(), 0);
    kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    EXPECT_EQ(PlatformAcquireInstanceLock(), 1);
    EXPECT_EQ(PlatformAcquireInstanceLock(), 1);   // this process holds it now
    close(toParent[0]);
    close(toParent[1]);
}

} // namespace

// Changed blocks become one rectangle per band, from the first changed block
// to the last; an unchanged picture none; the pitches of the two differ.
TEST(PlatformChangedRects, ChangedRectanglesByBands)
{
    const int width = 130, height = 120, block = 50, nextPitch = 160;
    std::vector<uint32_t> shown(static_cast<size_t>(width) * height, 0x102030);
    std::vector<uint32_t> next(static_cast<size_t>(nextPitch) * height, 0xFFFFFF);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            next[static_cast<size_t>(y) * nextPitch + x] = shown[static_cast<size_t>(y) * width + x];
    auto changed = [&] { return PlatformChangedRects(shown.data(), width, next.data(), nextPitch, width, height, block); };
    EXPECT_TRUE(changed().empty());

    auto set = [&](int x, int y) { next[static_cast<size_t>(y) * nextPitch + x] = 0xABCDEF; };
    set(129, 119);   // the clipped corner block
    auto same = [](const PlatformRect& a, const PlatformRect& b) {
        return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
    };
    std::vector<PlatformRect> rects = changed();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(same(rects[0], PlatformRect{100, 100, 30, 20}));

    set(0, 0);
    set(101, 49);
    set(60, 70);
    rects = changed();
    ASSERT_EQ(rects.size(), 3u);
    const PlatformRect expected[] = {{0, 0, 130, 50}, {50, 50, 50, 50}, {100, 100, 30, 20}};
    for (size_t at = 0; at < rects.size(); ++at)
        EXPECT_TRUE(same(rects[at], expected[at]))
            << at << ": " << rects[at].x << "," << rects[at].y << " " << rects[at].w << "x" << rects[at].h;
}
