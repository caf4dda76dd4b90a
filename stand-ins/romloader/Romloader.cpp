// Romloader.exe: the firmware update launcher as the tests and the demo need it. Logs each start (its
// own path, its command line and its working directory) and ends at once with the exit code that the
// script named by TK_ROMLOADER_SCRIPT gives:
//   exit CODE [PROGRAM]   the exit code; with PROGRAM only for the copy at that full path
//   log PATH              where the starts are logged (default: the script's path with ".log")
// Without a matching exit line the exit code is 0.
#include <windows.h>

#include "../common/StandInScript.h"
#include "platform/sim/ScriptText.h"

namespace {

std::string textOf(DWORD (*query)(DWORD, char*)) {
    char buffer[MAX_PATH] = {};
    const DWORD n = query(MAX_PATH, buffer);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

DWORD currentDirectory(DWORD size, char* buffer) { return GetCurrentDirectoryA(size, buffer); }
DWORD moduleFile(DWORD size, char* buffer) { return GetModuleFileNameA(nullptr, buffer, size); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string module = textOf(moduleFile);
    const standin::Script script = standin::readScript("TK_ROMLOADER_SCRIPT");
    std::string log;
    DWORD exitCode = 0;
    bool chosen = false;
    for (const platform::sim::ScriptLine& line : platform::sim::scriptLines(script.text)) {
        if (line.keyword == "log") {
            log = line.rest;
        } else if (line.keyword == "exit" && !line.words.empty() && !chosen) {
            const auto blank = line.rest.find(' ');
            const std::string program = blank == std::string::npos ? std::string() : line.rest.substr(blank + 1);
            if (program.empty() || lstrcmpiA(program.c_str(), module.c_str()) == 0) {
                exitCode = static_cast<DWORD>(platform::sim::numberFrom(line.words[0]));
                chosen = !program.empty();
                if (program.empty()) continue;  // a line for this very copy may still follow
            }
        }
    }
    standin::appendLine(standin::logPath(script, log),
                        "start " + module + " | " + GetCommandLineA() + " | " + textOf(currentDirectory));
    return static_cast<int>(exitCode);
}
