// Saved progress the game can't write or can't read, and a run ended by a
// signal: each through the simulator, with the fault library (LD_PRELOAD)
// standing in for a full or failing disk.
#include "sim_harness.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Solves level 1 and plays on until level 2 has started (after 361 frames of
// the level-complete sequence).
const char* const SOLVE_AND_GO_ON = "hold right\nrun 11\nhold\nrun 370\nprint saved\n";

int CountLines(const std::string& text, const std::string& line)
{
    int count = 0;
    size_t at = 0;
    while ((at = text.find(line + "\n", at)) != std::string::npos) {
        if (at == 0 || text[at - 1] == '\n')
            ++count;
        at += line.size();
    }
    return count;
}

// A save that fails is tried once for the solve, the player is told why in
// one message, and the game goes on to the next level. (That a failed save
// leaves the old file whole, for every kind of fault, is the save fault
// tests'.)
TEST_F(SimTest, FailedSaveIsTriedOnceAndShown)
{
    WriteLevel("level1.dat", EXIT_LEVEL);
    WriteLevel("level2.dat", START_LEVEL);
    const std::string temporary = home + "/config/quagmore/progress.new";
    const std::pair<const char*, const char*> faults[] = {{"short:ENOSPC", "No space left on device"},
                                                          {"rename:EIO", "Input/output error"}};
    setenv("LD_PRELOAD", QUAGMORE_FAULT_SHIM_PATH, 1);
    // A sanitized simulator accepts a library loaded before its runtime.
    const char* asanOptions = std::getenv("ASAN_OPTIONS");
    const std::string savedAsanOptions = asanOptions != nullptr ? asanOptions : "";
    setenv("ASAN_OPTIONS", (savedAsanOptions + (savedAsanOptions.empty() ? "" : ":") + "verify_asan_link_order=0").c_str(),
           1);
    setenv("QUAGMORE_FAULT_PATH", "config/quagmore/progress", 1);
    for (const auto& [fault, why] : faults) {
        SCOPED_TRACE(fault);
        const std::string log = root + "/fault.log";
        std::remove(log.c_str());
        setenv("QUAGMORE_FAULT", fault, 1);
        setenv("QUAGMORE_FAULT_LOG", log.c_str(), 1);
        SimResult run = Run(SOLVE_AND_GO_ON);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.EventsOf("message"), Lines{std::string("11 message Progress could not be saved: ") + why});
        EXPECT_EQ(run.EventsOf("saved"), Lines{});
        EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "371 level 2"}));
        EXPECT_EQ(run.saved, Lines{"none"});
        EXPECT_EQ(CountLines(ReadFileText(log), "open " + temporary), 1);
    }
    unsetenv("LD_PRELOAD");
    setenv("ASAN_OPTIONS", savedAsanOptions.c_str(), 1);
    unsetenv("QUAGMORE_FAULT");
    unsetenv("QUAGMORE_FAULT_LOG");
    unsetenv("QUAGMORE_FAULT_PATH");
}

// A progress file the game can't fully understand never loses its level to
// a lower one: a loose "Level=7" is level 7, and one with no level in it is
// set aside (the player is told) before anything is saved.
TEST_F(SimTest, DamagedProgressNeverGoesDown)
{
    WriteLevel("level1.dat", EXIT_LEVEL);
    WriteLevel("level2.dat", START_LEVEL);
    WriteLevel("level7.dat", START_LEVEL);
    const std::string progress = home + "/config/quagmore/progress";
    WriteString(progress, "Level=7\r\n");
    SimResult run = Run(std::string("menu 21\nrun 1\n") + SOLVE_AND_GO_ON);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 7", "0 level 1", "372 level 2"}));
    EXPECT_EQ(run.EventsOf("saved"), Lines{});
    EXPECT_EQ(ReadFileText(progress), "Level=7\r\n");

    WriteString(progress, "Level=seven\n");
    run = Run(SOLVE_AND_GO_ON);
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.EventsOf("message").size(), 1u);
    EXPECT_NE(run.EventsOf("message")[0].find("progress.bad"), std::string::npos);
    EXPECT_EQ(run.EventsOf("saved"), Lines{"11 saved 2"});
    EXPECT_EQ(ReadFileText(progress + ".bad"), "Level=seven\n");
    EXPECT_EQ(ReadFileText(progress), "Level=2\n");
}

// SIGINT, SIGTERM and SIGHUP press the close box: the game ends the usual way
// ("exit 0"), the progress saved before stays, and the process then dies of
// the signal.
TEST_F(SimTest, StopSignalsEndThroughTheCloseBox)
{
    WriteLevel("level1.dat", EXIT_LEVEL);
    WriteLevel("level2.dat", START_LEVEL);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        std::remove((home + "/config/quagmore/progress").c_str());
        const std::string out = root + "/signal.out";
        const std::string script = root + "/signal.fifo";
        std::remove(script.c_str());
        ASSERT_EQ(mkfifo(script.c_str(), 0600), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Default dispositions, as a terminal gives them.
            for (int s : {SIGINT, SIGTERM, SIGHUP})
                std::signal(s, SIG_DFL);
            int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, 1);
            dup2(fd, 2);
            execl(QUAGMORE_SIM_PATH, QUAGMORE_SIM_PATH, "--data", data.c_str(), "--home", home.c_str(), script.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        std::FILE* feed = std::fopen(script.c_str(), "w");
        ASSERT_NE(feed, nullptr);
        std::fputs("hold right\nrun 11\nhold\nrun 20\nprint saved\n", feed);
        std::fflush(feed);
        for (int wait = 0; wait < 1000 && ReadFileText(out).find("saved=") == std::string::npos; ++wait)
            usleep(10000);
        ASSERT_NE(ReadFileText(out).find("saved=2"), std::string::npos) << ReadFileText(out);
        // The simulator waits for the next line of its script now.
        kill(child, signal);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        std::fclose(feed);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_NE(ReadFileText(out).find("31 exit 0\n"), std::string::npos) << ReadFileText(out);
        EXPECT_EQ(ReadFileText(home + "/config/quagmore/progress"), "Level=2\n");
    }
}

} // namespace
