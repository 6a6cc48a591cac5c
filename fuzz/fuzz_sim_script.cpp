// The simulator's script reader on any bytes, line by line to its end.
#include "fuzz/fuzz_support.h"
#include "sim/sim.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzDirectory() + "/input.sim";
    if (!FuzzWriteFile(path, data, size))
        return 0;
    SimScript script;
    std::string error;
    if (!SimScriptOpen(&script, path, &error))
        return 0;
    SimCommand command;
    while (SimScriptNext(&script, &command, &error) == 1) {
    }
    SimScriptClose(&script);
    return 0;
}
