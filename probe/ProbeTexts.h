#pragma once
// The texts of the main window, the run and the log file.
#include "Language.h"

namespace probe::texts {

inline constexpr Text kWindowTitle{"Installation check tool", "Installationcheck-Programm"};
inline constexpr Text kLanguageButton{"&Deutsch", "&English"};
inline constexpr Text kVerdictHeading{"Result:", "Ergebnis:"};
inline constexpr Text kVerdictPassed{"    The installation test is completed successfully.",
                                     "    Der Installationstest war erfolgreich."};
inline constexpr Text kVerdictFailed{"    Some tests are failed!", "    Einige der Tests sind fehlgeschlagen!"};
inline constexpr Text kStoredIn{"The protocol is stored in:", "Das Protokoll wurde gespeichert als:"};
inline constexpr Text kWindowsVersionError{"ERROR during read of Windows version!",
                                           "FEHLER beim Lesen der Windows-Version!"};

inline constexpr Text kOpenError{"Error during opening the file: %s", "Fehler beim Öffnen der Datei: %s"};
inline constexpr Text kCreateFolderQuestion{"%s\nDo you wish to create the folder %s ?",
                                            "%s\nMöchten Sie das Verzeichnis %s anlegen ?"};
inline constexpr Text kCreateFolderFailed{"%s\nUnable to create the folder %s",
                                          "%s\nDas Verzeichnis %s konnte nicht angelegt werden"};
inline constexpr Text kOtherLocationQuestion{"\nDo you wish to open the file %s in another location?",
                                             "\nSoll die Datei %s von einem anderen Verzeichnis geöffnet werden?"};
inline constexpr Text kWriteError{"An error occurred while writing the file %s.",
                                  "Beim Schreiben der Datei %s ist ein Fehler aufgetreten."};

inline constexpr const char* kLogFileName = "SetupProbe.log";
inline constexpr const char* kFallbackFolderName = "TK560 Logs";
inline constexpr const char* kQuestionCaption = "TK560Probe";

}  // namespace probe::texts
