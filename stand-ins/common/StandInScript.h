#pragma once
// What the scripted stand-ins share: their script, read from the file that an environment variable
// names, and their log, one line appended per call.
#include <windows.h>

#include <string>
#include <vector>

// The library stand-ins are built in both calling conventions: stdcall, and cdecl for the twins.
#if defined(TK_STANDIN_CDECL)
#define TK_ENTRY __cdecl
#else
#define TK_ENTRY __stdcall
#endif

namespace standin {

struct Script {
    std::string path;  // empty when the variable is not set
    std::string text;
};

inline Script readScript(const char* variable) {
    Script script;
    char path[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA(variable, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return script;
    script.path = path;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return script;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) script.text.append(buffer, read);
    CloseHandle(file);
    return script;
}

// The log the script names, else the script's path with ".log" appended; none without a script.
inline std::string logPath(const Script& script, const std::string& named) {
    if (!named.empty()) return named;
    return script.path.empty() ? std::string() : script.path + ".log";
}

// Appends the line and a line end; opened and closed per line so that the log can be read at any time.
inline void appendLine(const std::string& path, const std::string& line) {
    if (path.empty()) return;
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

// A scripted fake (CtApiFake, ZkaFake) answering the script the variable names and logging each call.
template <class Fake, class FakeScript>
Fake scriptedFake(const char* variable) {
    const Script script = readScript(variable);
    FakeScript parsed = FakeScript::parse(script.text);
    const std::string log = logPath(script, parsed.logPath);
    return Fake(std::move(parsed), [log](const std::string& line) { appendLine(log, line); });
}

}  // namespace standin
