#pragma once
// The texts of the driver check and the firmware check.
#include "Language.h"

namespace probe::texts {

inline constexpr Text kDriverCheckHeading{"Driver check:", "Check des Treibers:"};
inline constexpr Text kServiceNotRunning{"    The Smart card resource manager is not running.",
                                         "    Der Smart Card Resource Manager ist nicht gestartet."};
inline constexpr Text kContextError{"    Function SCardEstablishContext returns 0x%X error code.",
                                    "    Die Funktion SCardEstablishContext gab Fehler 0x%X zurück."};
inline constexpr Text kListingError{"    Function SCardListReaders returns 0x%X error code.",
                                    "    Die Funktion SCardListReaders gab Fehler 0x%X zurück."};
inline constexpr Text kInsufficientResources{"    Insufficient resources!", "    Insufficient resources!"};
inline constexpr Text kTk560NotConnected{"    The TK560 reader is not connected!",
                                         "    Es ist kein TK560 Leser angeschlossen!"};
inline constexpr Text kReaderNotConnected{"    The %s reader is not connected!", "    Es ist kein %s Leser angeschlossen!"};
inline constexpr Text kNotAvailable{
    "    The %s reader is connected but not available for use with the Smart card resource manager.",
    "    Der %s Leser ist angeschlossen, aber wurde nicht vom Smart Card Resource Manager erkannt."};
inline constexpr Text kRebootRequest{"    Please reboot the PC!!!", "    Bitte rebooten Sie den PC!!!"};
inline constexpr Text kDriverWithVersion{"    The %s driver V%d.%02d is started.",
                                         "    Der %s Gerätetreiber V%d.%02d ist gestartet."};
inline constexpr Text kDriverStarted{"    The %s driver is started.", "    Der %s Gerätetreiber ist gestartet."};

inline constexpr Text kFirmwareCheckHeading{"Firmware Check:", "Check der Firmware:"};
inline constexpr Text kFirmwareVersion{"    The %s reader has the firmware V%x.%02x.",
                                       "    Der %s Leser hat die Firmwareversion V%x.%02x."};
inline constexpr Text kChipRevision{"    The %s reader has the %s.", "    Der %s Leser hat die %s."};
inline constexpr Text kControlError{"    The function SCardControl returns error 0x%X.",
                                    "    Die Funktion SCardControl gab Fehler 0x%X zurück."};
inline constexpr Text kConnectError{"    The function SCardConnect (SHARED) returns error 0x%X.",
                                    "    Die Funktion SCardConnect (SHARED) gab Fehler 0x%X zurück."};
inline constexpr Text kFirmwareNotRead{"    The firmware version could not be read!",
                                       "    Die Firmwareversion konnte nicht gelesen werden!"};

// What the resource manager handed out but cannot be used as it stands.
inline constexpr Text kReaderListDamaged{"    The reader list of the Smart card resource manager is damaged.",
                                         "    Die Leserliste des Smart Card Resource Managers ist beschädigt."};
inline constexpr Text kReaderNameTooLong{"    A reader name longer than 255 characters is ignored.",
                                         "    Ein Lesername mit mehr als 255 Zeichen wird übergangen."};
inline constexpr Text kTooManyReaders{
    "    More than 10 readers answered; only the first 10 take part in the following tests.",
    "    Mehr als 10 Leser haben geantwortet; nur die ersten 10 nehmen an den folgenden Tests teil."};

}  // namespace probe::texts
