// quagmore-sim [--data DIR] [--home DIR] [--level FILE | --pack DIR | --campaign NAME | --daily DATE] [SCRIPT]
//
// Runs the real game (its main function, main loop, start-up, frames and
// shutdown) over the headless platform. The script is read a line at a time
// as the game asks for work, so it can come through a pipe; events are
// printed as they happen, each prefixed with the number of frames begun.
#include "sim/sim.h"

#include "app/app.h"
#include "app/editor_verdict.h"
#include "platform/headless/headless.h"

#include "quagmore_version.h"

SimSession Sim;

int main(int argc, char** argv)
{
    std::string error;
    if (!SimParseArguments(argc, argv, &Sim.options, &error)) {
        std::fprintf(stderr, "quagmore-sim: %s\n%s", error.c_str(), SimUsage());
        return SIM_EXIT_ERROR;
    }
    if (Sim.options.help) {
        std::fputs(SimUsage(), stdout);
        return 0;
    }
    if (Sim.options.version) {
        std::printf("quagmore-sim %s\n", QUAGMORE_VERSION);
        return 0;
    }
    if (!SimScriptOpen(&Sim.script, Sim.options.scriptPath, &error) || !SimPrepareHome(&error)) {
        std::fprintf(stderr, "quagmore-sim: %s\n", error.c_str());
        SimScriptClose(&Sim.script);
        return SIM_EXIT_ERROR;
    }

    SimCatchSignals();
    PlatformSetDirectories(Sim.options.dataDir, Sim.home);
    if (!AppCampaignChoose({Sim.options.levelFile, Sim.options.packDir, Sim.options.campaignName}, &error) ||
        (!Sim.options.dailyDate.empty() && !AppDailyRequest(Sim.options.dailyDate, &error))) {
        std::fprintf(stderr, "quagmore-sim: %s\n", error.c_str());
        SimScriptClose(&Sim.script);
        SimRemoveTemporaryHome();
        return SIM_EXIT_ERROR;
    }
    HeadlessReset();
    SimInstallHooks();
    // The verdict is decided within the frame that asks: every run alike.
    EditorVerdictUseInline();
    // Each answer comes in the frame after its question, whatever the machine.
    AppHintSetup(SOLVER_WORKER_INLINE, AppExactSolverBudget(), SimSolverEvent);
    AppWatchSetup(SOLVER_WORKER_INLINE, AppExactSolverBudget());
    AppDailySetup(SOLVER_WORKER_INLINE);
    int code = AppMain();
    SimEvent("exit " + std::to_string(code));

    SimScriptClose(&Sim.script);
    SimRemoveTemporaryHome();
    SimExitForSignal();
    return code;
}
