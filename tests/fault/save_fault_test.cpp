// level.dat and the progress file under a failing disk and under kill -9 in
// the middle of a save. The fault library (LD_PRELOAD) kills the saving child
// just before its n-th file operation, for every n until a save completes;
// after each kill the file holds its old or its new content, and the next
// save leaves no temporary behind.
#include "app/app.h"
#include "format/level_format.h"
#include "platform/headless/headless.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const MISSING = "(missing)";

std::string ReadText(const std::string& path)
{
    return fs::exists(path) ? ReadFileText(path) : MISSING;
}

std::vector<std::string> Names(const std::string& directory)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SaveFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(dlsym(RTLD_DEFAULT, "QuagmoreFaultShimLoaded"), nullptr) << "the fault library is not loaded";
        PlatformSetDirectories(dir.path + "/game", dir.path + "/home");
        HeadlessReset();
    }
    void TearDown() override
    {
        unsetenv("QUAGMORE_FAULT");
        unsetenv("QUAGMORE_FAULT_PATH");
        PlatformSetDirectories("", "");
    }
    // Runs save in a child under the fault; true when the fault killed it.
    static bool KilledWhileSaving(const std::function<void()>& save, const std::string& fault)
    {
        pid_t child = fork();
        if (child == 0) {
            setenv("QUAGMORE_FAULT", fault.c_str(), 1);
            save();
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }
    // Kills a save before each of its steps in turn. The file at path must
    // then hold before or after; a save without fault then writes after and
    // leaves the file alone in its directory. Returns the number of kills.
    int KillAtEveryStep(const std::function<void()>& save, const std::string& path, const std::string& before,
                        const std::string& after)
    {
        int kills = 0;
        for (int step = 1; KilledWhileSaving(save, "kill:" + std::to_string(step)); ++step) {
            ++kills;
            const std::string left = ReadText(path);
            EXPECT_TRUE(left == before || left == after) << "killed before step " << step << ": " << left.size()
                                                         << " bytes";
            save();
            EXPECT_EQ(ReadText(path), after);
            EXPECT_EQ(Names(fs::path(path).parent_path()), std::vector<std::string>{fs::path(path).filename()});
            if (before == MISSING)
                fs::remove(path);
            else
                WriteFileText(path, before);
        }
        EXPECT_EQ(ReadText(path), after) << "the save without a kill";
        return kills;
    }

    // The editor's save of level.dat, of bytes all 'n'.
    static bool SaveLevelDat()
    {
        int8_t bytes[LEVEL_FILE_SIZE];
        std::memset(bytes, 'n', sizeof bytes);
        return AppLevelStore().LevelWrite(bytes, LEVEL_FILE_SIZE);
    }

    TempDir dir{"quagmore-save-faults"};
    std::string levelDat = dir.path + "/home/data/quagmore/level.dat";
    std::string progress = dir.path + "/home/config/quagmore/progress";
};

// The head of level.dat is the editor's 300 bytes; the bytes past them stay.
TEST_F(SaveFaults, LevelDatIsOldOrNewWhereverASaveIsKilled)
{
    setenv("QUAGMORE_FAULT_PATH", "level.dat", 1);
    const auto save = [] { SaveLevelDat(); };
    const std::string fresh(LEVEL_FILE_SIZE, 'n');
    EXPECT_GE(KillAtEveryStep(save, levelDat, MISSING, fresh), 3) << "a first save";

    const std::string tail = "tail kept";
    const std::string old = std::string(LEVEL_FILE_SIZE, 'o') + tail;
    WriteFileText(levelDat, old);
    EXPECT_GE(KillAtEveryStep(save, levelDat, old, fresh + tail), 3) << "a save over a file";
}

TEST_F(SaveFaults, ProgressIsOldOrNewWhereverASaveIsKilled)
{
    setenv("QUAGMORE_FAULT_PATH", "config/quagmore/progress", 1);
    const auto save = [] { PlatformProgressWrite(4); };
    EXPECT_GE(KillAtEveryStep(save, progress, MISSING, "Level=4\n"), 3);
    WriteFileText(progress, "Level=3\n");
    EXPECT_GE(KillAtEveryStep(save, progress, "Level=3\n", "Level=4\n"), 3);
}

// A full disk, a failing disk, a failing rename and a read-only directory: the
// save fails and the old file stays whole, with no temporary left.
TEST_F(SaveFaults, FailingDiskKeepsTheOldLevelDat)
{
    const std::string old = std::string(LEVEL_FILE_SIZE, 'o') + "tail";
    setenv("QUAGMORE_FAULT_PATH", "level.dat", 1);
    for (const char* fault : {"short:ENOSPC", "write:ENOSPC", "fsync:EIO", "rename:EIO", "open:EROFS"}) {
        SCOPED_TRACE(fault);
        WriteFileText(levelDat, old);
        setenv("QUAGMORE_FAULT", fault, 1);
        const bool saved = SaveLevelDat();
        unsetenv("QUAGMORE_FAULT");
        EXPECT_FALSE(saved);
        EXPECT_EQ(ReadText(levelDat), old);
        EXPECT_EQ(Names(fs::path(levelDat).parent_path()), std::vector<std::string>{"level.dat"});
    }
}

} // namespace

// Starts the program again with the fault library preloaded (a sanitized
// build accepts it before its own runtime), then runs the tests.
int main(int argc, char** argv)
{
    if (dlsym(RTLD_DEFAULT, "QuagmoreFaultShimLoaded") == nullptr) {
        const char* options = std::getenv("ASAN_OPTIONS");
        std::string asanOptions = options != nullptr && options[0] != '\0' ? std::string(options) + ":" : "";
        setenv("ASAN_OPTIONS", (asanOptions + "verify_asan_link_order=0").c_str(), 1);
        setenv("LD_PRELOAD", QUAGMORE_FAULT_SHIM_PATH, 1);
        execv("/proc/self/exe", argv);
        std::perror("save_fault_tests: can't start again with the fault library");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
