#pragma once
// Every text Romgauge shows, English and German side by side. \n is a line break; the leading
// breaks of the short texts move them down into the middle of the message area.
#include "probe/Language.h"

namespace gauge {

using Language = probe::Language;
using Text = probe::Text;

namespace texts {

inline constexpr Text kWindowTitle{"Checks the firmware version of the TK560 readers",
                                   "Überprüfung der Firmwareversion der TK560 Leser"};
// The button always names the other language.
inline constexpr Text kLanguageButton{"&Deutsch", "&English"};

inline constexpr Text kNoReader{"\n\n\nNo TK560 reader found!", "\n\n\nEs ist kein TK560 Leser angeschlossen!"};
inline constexpr Text kServiceNotRunning{"\n\n\nThe Smart card resource manager is not running.",
                                         "\n\n\nDer Smart Card Resource Manager ist nicht gestartet."};
inline constexpr Text kContextError{"\n\nFunction SCardEstablishContext returns 0x%X error code.",
                                    "\n\nDie Funktion SCardEstablishContext gab Fehler 0x%X zurück."};
inline constexpr Text kListingError{"\n\nFunction SCardListReaders returns 0x%X error code.",
                                    "\n\nDie Funktion SCardListReaders gab Fehler 0x%X zurück."};
inline constexpr Text kNoMemory{"Insufficient resources!", "Insufficient resources!"};

// A reader that Plug and Play knows but the resource manager does not: head, then both tails.
inline constexpr Text kBothNotAvailableHead{"\nThe TK560-Serial and TK560-USB readers are ",
                                            "\nDer TK560-Serial und TK560-USB Leser sind "};
inline constexpr Text kUsbNotAvailableHead{"\nThe TK560-USB reader is ", "\nDer TK560-USB Leser ist "};
inline constexpr Text kSerialNotAvailableHead{"\nThe TK560-Serial reader is ", "\nDer TK560-Serial Leser ist "};
inline constexpr Text kNotAvailableTail{
    "connected but not available for use with the Smart card resource manager.",
    "angeschlossen, aber wurde nicht vom Smart Card Resource Manager erkannt."};
inline constexpr Text kRebootTail{"\nPlease reboot the PC!!!", "\nBitte rebooten Sie den PC!!!"};

// Label, firmware major and minor (the required ones for the first text).
inline constexpr Text kRequiredFirmware{"\nThe %s reader has the required firmware V%x.%02x.\n",
                                        "\nDer %s Leser hat die erforderliche Firmwareversion V%x.%02x.\n"};
// Label, the reader's major and minor, then the required major and minor.
inline constexpr Text kOtherFirmware{
    "\nThe %s reader has the firmware V%x.%02x.\nThe required firmware is V%x.%02x!\n",
    "\nDer %s Leser hat die Firmwareversion V%x.%02x.\nDie erforderliche Firmwareversion ist V%x.%02x!\n"};
inline constexpr Text kFirmwareUnreadable{"\nThe firmware version could not be read!",
                                          "\nDie Firmwareversion konnte nicht gelesen werden!"};

}  // namespace texts
}  // namespace gauge
