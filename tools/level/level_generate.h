// quagmore-level generate: levels made and proven by the generator, written
// as a pack with their solutions.
#pragma once

#include <string>
#include <vector>

// Runs "generate" with the arguments after the command's name. `usage` is
// called with a complaint for bad usage and gives the exit status to return.
int LevelGenerateCommand(const std::vector<std::string>& args, int (*usage)(const std::string& complaint));
