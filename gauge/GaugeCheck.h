#pragma once
// Which TK560 readers the resource manager knows, and whether the first reader of each kind
// carries the required firmware. The outcome is a text pair that the window shows.
#include <array>
#include <cstdint>
#include <string>

#include "GaugeTexts.h"
#include "platform/Registry.h"
#include "platform/SmartCard.h"
#include "platform/SystemInfo.h"

namespace gauge {

enum class ReaderKind { Usb, Serial };

struct ReaderEntry {
    const char* name;  // as the resource manager lists it, without the trailing instance digit
    ReaderKind kind;
    const char* label;  // the same in both languages
};

// In this order: the first matching entry wins, and the firmware texts follow it.
inline constexpr std::array<ReaderEntry, 3> kReaderTable{{
    {"Kavrin Inc. TKx60 USB Smart Card Reader", ReaderKind::Usb, "TK560-USB"},
    {"Kavrin Inc. TKx60 Serial Smart Card Reader", ReaderKind::Serial, "TK560-Serial"},
    {"Kavrin Inc. TK160 Serial Smart Card Reader", ReaderKind::Serial, "TK560-Serial"},
}};

struct HardwareIdEntry {
    const char* id;  // upper case, as the upper-cased registry value is searched for it
    ReaderKind kind;
};

inline constexpr std::array<HardwareIdEntry, 2> kHardwareIds{{
    {"USB\\VID_2F1A&PID_C560", ReaderKind::Usb},
    {"SERENUM\\KVRC560", ReaderKind::Serial},
}};

inline constexpr std::uint8_t kRequiredFirmwareMajor = 0x05;
inline constexpr std::uint8_t kRequiredFirmwareMinor = 0x10;

struct TextPair {
    std::string english;
    std::string german;

    const std::string& in(Language language) const { return language == Language::German ? german : english; }
    void set(const Text& text) {
        english = text.english;
        german = text.german;
    }
    void append(const Text& text) {
        english += text.english;
        german += text.german;
    }
};

// What a check reads and leaves behind; the window owns it.
struct GaugeState {
    TextPair text;
    bool usbReaderSeen = false;
    bool serialReaderSeen = false;
    int osFamily = 2;  // 0: Windows 95, 98 or ME; 1: NT 4.0 or older; 2: Windows 2000 or newer
    bool isWindows95 = false;
};

// The parts of the machine the check talks to.
struct GaugePorts {
    platform::SmartCard& smartCard;
    platform::Registry& registry;
    platform::SystemInfo& system;
};

// Expects the no-reader texts and both marks clear (the caller resets them); leaves the texts to
// show and the marks of the readers whose firmware was asked for.
void runGaugeCheck(const GaugePorts& ports, GaugeState& state);

}  // namespace gauge
