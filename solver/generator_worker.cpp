// The generator's work for its worker: one run of the request's options.
#include "solver/generator_worker.h"

std::vector<GeneratedLevel> GeneratorAnswerRequest(const GeneratorOptions& options, const std::atomic<bool>* cancel)
{
    return GeneratorRun(options, cancel);
}
