// Start-up of the firmware check tool: one modal window; the program ends when it closes.
// Dialog controls draw three-dimensionally on their own in programs for Windows 95 and later.
#include <windows.h>

#include "GaugeDialog.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SmartCard.h"
#include "platform/win32/Win32System.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        platform::win32::Win32SmartCard smartCard;
        platform::win32::Win32Registry registry;
        platform::win32::Win32System system;
        gauge::win32::GaugeDialog dialog(instance, gauge::GaugePorts{smartCard, registry, system});
        dialog.runModal(nullptr);
        return 0;
    } catch (...) {
        return 1;
    }
}
