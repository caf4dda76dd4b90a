#pragma once
// A whole simulated machine, built in a few lines by a test and handed to the logic as a Platform.
#include "../Platform.h"
#include "SimClock.h"
#include "SimDialogs.h"
#include "SimFileSystem.h"
#include "SimProfile.h"
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

    Platform platform() { return Platform{registry, system, files, profile, clock, dialogs, smartCard}; }
};

}  // namespace platform::sim
