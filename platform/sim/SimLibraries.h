#pragma once
#include <map>
#include <string>
#include <vector>

#include "../Libraries.h"
#include "CtApiFake.h"
#include "SimSystem.h"
#include "ZkaFake.h"

namespace platform::sim {

// Libraries placed at full paths, each running a scripted fake. A bare name is looked for in the
// program's folder, the system folder, the Windows folder and the folders of PATH, in that order;
// the current directory is never searched. Each load starts the fake afresh, as loading a DLL does.
class SimLibraries : public Libraries {
public:
    explicit SimLibraries(SimSystem& system) : system_(system) {}

    std::unique_ptr<CtApiLibrary> loadCtApi(const std::string& name) override;
    std::unique_ptr<ZkaLibrary> loadZka(const std::string& path) override;

    struct CtApiEntry {
        CtApiScript script;
        bool hasRequiredEntries = true;  // CT_init, CT_data, CT_close
        bool hasVersionString = true;
    };
    struct ZkaEntry {
        ZkaScript script;
        bool hasEntries = true;
    };
    CtApiEntry& addCtApi(const std::string& path, CtApiScript script = {});
    ZkaEntry& addZka(const std::string& path, ZkaScript script = {});

    std::vector<std::string> calls;  // every call into a loaded library, as the fakes record it
    int loads = 0;                   // libraries handed out
    int frees = 0;                   // libraries freed again

private:
    std::string resolve(const std::string& name) const;

    SimSystem& system_;
    std::map<std::string, CtApiEntry> ctApi_;  // by folded full path
    std::map<std::string, ZkaEntry> zka_;
};

}  // namespace platform::sim
