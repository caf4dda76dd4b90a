#pragma once
// A whole simulated machine, built in a few lines by a test and handed to the logic as a Platform.
#include "../Platform.h"
#include "SimClock.h"
#include "SimDialogs.h"
#include "SimFileSystem.h"
#include "SimLibraries.h"
#include "SimProfile.h"
#include "SimPrograms.h"
#include "SimRegistry.h"
#include "SimSmartCard.h"
#include "SimSystem.h"

namespace platform::sim {

struct SimMachine {
    SimMachine() {
        files.wow64.active = [this] { return system.wow64 && system.fsRedirection; };
    }
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    SimRegistry registry;
    SimSystem system;
    SimFileSystem files;
    SimProfile profile{files};
    SimClock clock;
    SimDialogs dialogs;
    SimSmartCard smartCard;
    SimLibraries libraries{system};
    SimProcesses processes{files};
    SimShell shell{processes};

    Platform platform() {
        return Platform{registry, system, files, profile, clock, dialogs, smartCard, libraries, processes, shell};
    }
};

}  // namespace platform::sim
