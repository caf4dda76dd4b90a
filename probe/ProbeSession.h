#pragma once
// The logic behind the main window: its initialisation, its two run buttons and the run itself.
#include <optional>

#include "ProbeState.h"

namespace probe {

class ProbeSession {
public:
    ProbeSession(platform::Platform platform, ProbeView& view) : platform_(platform), view_(view) {}
    ProbeSession(const ProbeSession&) = delete;
    ProbeSession& operator=(const ProbeSession&) = delete;

    ProbeState state;

    // Window initialisation after the window's own set-up: OS family, description files, first run.
    void initialise();
    void onInstallationTest();
    void onLanguageSwitch();
    // One complete run.
    void runTestSequence();

    ProbeEnv env() { return ProbeEnv{platform_, state, view_}; }

private:
    void resetReaderState();

    platform::Platform platform_;
    ProbeView& view_;
};

// "TK560Probe Version a.bb.cc.dd" from the program file's version; nullopt when it has none.
std::optional<std::string> aboutVersionText(platform::FileSystem& files, const std::string& programFile);

}  // namespace probe
