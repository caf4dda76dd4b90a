#pragma once
// A simulated machine with a main window that records what the run asks of it.
#include <string>
#include <vector>

#include "ProbeSession.h"
#include "platform/sim/SimMachine.h"

namespace probe::testing {

class RecordingView : public ProbeView {
public:
    void repaintNow() override { ++repaints; }
    int measureTextWidth(const std::string& text) override { return static_cast<int>(text.size()) * 6; }
    void closeWithOk() override { ++closes; }
    void applyLanguage(Language language) override { languages.push_back(language); }

    int repaints = 0;
    int closes = 0;
    std::vector<Language> languages;
};

inline const char* const kNtKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
inline const char* const k9xKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// Windows XP SP3 as the registry tells it.
inline void installWindowsXp(platform::sim::SimMachine& machine) {
    machine.system.version = {5, 1, 2600, 2, "Service Pack 3"};
    auto& r = machine.registry;
    r.setString(platform::RegRoot::LocalMachine, kNtKey, "ProductName", "Microsoft Windows XP");
    r.setString(platform::RegRoot::LocalMachine, kNtKey, "CurrentVersion", "5.1");
    r.setString(platform::RegRoot::LocalMachine, kNtKey, "CurrentBuildNumber", "2600");
    r.setString(platform::RegRoot::LocalMachine, kNtKey, "CSDVersion", "Service Pack 3");
}

struct ProbeFixture {
    ProbeFixture() {
        installWindowsXp(machine);
        machine.files.addDirectory("C:\\TK560");
        machine.files.setCurrentDirectory("C:\\TK560");
    }
    platform::sim::SimMachine machine;
    RecordingView view;
    ProbeSession session{machine.platform(), view};
    ProbeEnv env() { return session.env(); }
    const std::vector<std::string>& lines() { return session.state.protocol.lines(); }
};

}  // namespace probe::testing
