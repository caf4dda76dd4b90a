#pragma once
// The texts of the description file choice, the installation check and the system files check.
#include "Language.h"

namespace probe::texts {

// Shown when no description file can be found; the same in both languages.
inline constexpr const char* kNoDescription = "No TK560 Reader information available. \nInstall the reader and try again";

inline constexpr Text kInstallationHeading{"Installation check:", "Check der Installation:"};
inline constexpr Text kDriverInstalled{"    Device driver %s Version %s is installed.",
                                       "    Gerätetreiber %s Version %s ist installiert."};
inline constexpr Text kVirtualDriverInstalled{"    Device driver TKR_DRV.VxD Version %s is installed.",
                                              "    Gerätetreiber TKR_DRV.VxD Version %s ist installiert."};
inline constexpr Text kWdmDriverInstalled{"    Device driver TKR_DRV.SYS Version %s is installed.",
                                          "    Gerätetreiber TKR_DRV.SYS Version %s ist installiert."};
inline constexpr Text kCtApiInstalled{"    CT-API DLL %s Version %s is installed.",
                                      "    CT-API DLL %s Version %s ist installiert."};
inline constexpr Text kZkaInstalled{"    ZKA Sig API DLL Version %s is installed.",
                                    "    ZKA Sig API DLL Version %s ist installiert."};

// A missing file: first line with the path, then the setup hint chosen by the file's extension.
inline constexpr Text kNotInstalled{"    ERROR: %s is not installed!", "    FEHLER: %s ist nicht installiert!"};
inline constexpr Text kInstallDll{"         Please start the Setup to install the DLL!",
                                  "         Bitte starten Sie das Setup, um die DLL zu installieren!"};
inline constexpr Text kInstallApplication{"         Please start the Setup to install the application!",
                                          "         Bitte starten Sie das Setup, um die Applikation zu installieren!"};
inline constexpr Text kDriverNotInstalled{"    ERROR: %s device driver is not installed!",
                                          "    FEHLER: %s Gerätetreiber ist nicht installiert!"};
inline constexpr Text kInstallDriver{"         Please start the Setup to install the device driver!",
                                     "         Bitte starten Sie das Setup, um den Gerätetreiber zu installieren!"};

inline constexpr Text kSystemFilesHeading{"System Files Installation Check:", "Check der System Dateien:"};
inline constexpr Text kSystemFileInstalled{"    %s Version %s is installed", "    %s Version %s ist installiert"};

}  // namespace probe::texts
