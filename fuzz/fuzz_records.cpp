// The records reader on any file content: it never fails, and a rewrite after
// a solve keeps every line that was no record, in its order, and reads back
// the same.
#include "fuzz/fuzz_support.h"
#include "platform/common/records.h"
#include "platform/platform.h"

#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::string> Foreign(const RecordsFile& file)
{
    std::vector<std::string> lines;
    for (const RecordsLine& line : file.lines)
        if (!line.valid)
            lines.push_back(line.text);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzDirectory() + "/records";
    if (!FuzzWriteFile(path, data, size))
        return 0;
    RecordsFile file = RecordsLoad(path);
    if (file.state != RecordsState::Read)
        return 0;
    const RecordKey key{1, RecordsBoardHash(data, size)};
    RecordsBestOf(file, key);
    const std::vector<std::string> foreign = Foreign(file);
    RecordsImprove(file, key, 3, 1, "RDL");
    Require(Foreign(file) == foreign);
    const RecordsFile again = RecordsParse(RecordsContent(file));
    Require(again.lines.size() == file.lines.size());
    for (size_t i = 0; i < file.lines.size(); ++i)
        Require(again.lines[i].text == file.lines[i].text && again.lines[i].valid == file.lines[i].valid);
    Require(RecordsBestOf(again, key).known);
    return 0;
}
