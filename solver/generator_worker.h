// The generator beside the caller: the game asks for the level of the day and
// reads it when it has come, so no frame waits for it; one request at a time,
// the latest winning (solver/latest_worker.h).
#pragma once

#include "solver/generator.h"
#include "solver/latest_worker.h"

#include <vector>

std::vector<GeneratedLevel> GeneratorAnswerRequest(const GeneratorOptions& options, const std::atomic<bool>* cancel);

class GeneratorWorker : public LatestWorker<GeneratorOptions, std::vector<GeneratedLevel>> {
public:
    explicit GeneratorWorker(SolverWorkerKind kind) : LatestWorker(kind, GeneratorAnswerRequest) {}
};

using GeneratorAnswer = GeneratorWorker::Answer;
