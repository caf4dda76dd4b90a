#pragma once
// The real machine: one adapter per port, each a thin layer over the platform calls.
#include "../Platform.h"
#include "Win32Clock.h"
#include "Win32Dialogs.h"
#include "Win32FileSystem.h"
#include "Win32Libraries.h"
#include "Win32Processes.h"
#include "Win32Profile.h"
#include "Win32Registry.h"
#include "Win32Shell.h"
#include "Win32SmartCard.h"
#include "Win32System.h"

namespace platform::win32 {

struct Win32Platform {
    Win32Registry registry;
    Win32System system;
    Win32FileSystem files;
    Win32Profile profile;
    Win32Clock clock;
    Win32Dialogs dialogs;
    Win32SmartCard smartCard;
    Win32Libraries libraries;
    Win32Processes processes;
    Win32Shell shell;

    Platform platform() {
        return Platform{registry, system, files, profile, clock, dialogs, smartCard, libraries, processes, shell};
    }
};

}  // namespace platform::win32
