// The player's files in the browser: the home directory lies in IndexedDB
// (IDBFS), read in before the game starts (page/quagmore_pre.js) and written
// back after every file the game writes. The game writes as on the desktop,
// a new file renamed over the old, and the whole directory goes to IndexedDB
// in one transaction, so a file there is always old or new, never half. A
// write that does not reach IndexedDB is told to the player.
#include "platform/web/web_platform.h"
#include "platform/common/safe_file.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>

namespace {

// clang-format off
EM_JS(void, WebJsFilesPersist, (), { QuagmorePage.filesPersist(); });
// What kept the home directory from being read from IndexedDB, or "".
EM_JS(char*, WebJsFilesProblem, (), {
    var problem = Module.quagmoreFilesProblem || "";
    var size = lengthBytesUTF8(problem) + 1;
    var text = _malloc(size);
    stringToUTF8(problem, text, size);
    return text;
});
// clang-format on

void Written(const std::string&)
{
    WebJsFilesPersist();
}

} // namespace

void WebFilesStart()
{
    SafeFileSetWriteHook(Written);
    char* problem = WebJsFilesProblem();
    if (problem != nullptr && problem[0] != '\0')
        PlatformMessageBox((std::string("Your progress can't be kept in this browser's storage, only until the page "
                                        "is closed: ") +
                            problem)
                               .c_str());
    std::free(problem);
}

void WebFilesFailed(const char* why)
{
    PlatformMessageBox((std::string("Your progress could not be kept in this browser's storage: ") +
                        (why != nullptr ? why : "unknown error"))
                           .c_str());
}

