// The home of a simulated run: the user's data, config and runtime
// directories live under it, so a run never touches a player's own files.
#include "sim/sim.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

bool SimPrepareHome(std::string* error)
{
    if (!Sim.options.homeDir.empty()) {
        Sim.home = Sim.options.homeDir;
        Sim.homeIsTemporary = false;
        return true;
    }
    std::error_code failure;
    std::filesystem::path base = std::filesystem::temp_directory_path(failure);
    if (failure)
        base = "/tmp";
    std::string pattern = (base / "quagmore-sim.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        *error = "can't make a temporary home under " + base.string();
        return false;
    }
    Sim.home = pattern;
    Sim.homeIsTemporary = true;
    return true;
}

void SimRemoveTemporaryHome()
{
    if (!Sim.homeIsTemporary)
        return;
    std::error_code ignored;
    std::filesystem::remove_all(Sim.home, ignored);
    Sim.homeIsTemporary = false;
}
