#pragma once
// The machine as the logic sees it: one reference per port.
#include "Clock.h"
#include "Dialogs.h"
#include "FileSystem.h"
#include "Libraries.h"
#include "Processes.h"
#include "Profile.h"
#include "Registry.h"
#include "Shell.h"
#include "SmartCard.h"
#include "SystemInfo.h"

namespace platform {

struct Platform {
    Registry& registry;
    SystemInfo& system;
    FileSystem& files;
    Profile& profile;
    Clock& clock;
    Dialogs& dialogs;
    SmartCard& smartCard;
    Libraries& libraries;
    Processes& processes;
    Shell& shell;
};

}  // namespace platform
