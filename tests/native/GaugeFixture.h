#pragma once
// A simulated machine for the firmware check tool: readers by their listed names, each answering
// the VersionRequest with a firmware version.
#include <cstdint>
#include <string>
#include <vector>

#include "gauge/GaugeCheck.h"
#include "platform/sim/SimMachine.h"
#include "probe/reader/VendorRequests.h"

namespace gauge::fixture {

inline const std::string kUsb = "Kavrin Inc. TKx60 USB Smart Card Reader";
inline const std::string kSerial = "Kavrin Inc. TKx60 Serial Smart Card Reader";
inline const std::string kTk160 = "Kavrin Inc. TK160 Serial Smart Card Reader";

// Bytes 4 to 7: driver V2.03, then the firmware.
inline std::string versionReply(std::uint8_t major, std::uint8_t minor) {
    return std::string{0, 0, 0, 0, 2, 3, char(major), char(minor), 0, 0, 0, 0};
}

struct GaugeFixture {
    GaugeFixture() { state.text.set(texts::kNoReader); }

    platform::sim::SimReader& addReader(const std::string& name, std::uint8_t major = 0x05, std::uint8_t minor = 0x10) {
        auto& reader = machine.smartCard.addReader(name);
        reader.replies[cardreader::kVersionRequestCode] = {platform::kScardSuccess, versionReply(major, minor), {}};
        return reader;
    }
    GaugePorts ports() { return {machine.smartCard, machine.registry, machine.system}; }
    void run() { runGaugeCheck(ports(), state); }

    // The readers connected directly, which the firmware step does once per reader it asks.
    std::vector<std::string> directConnects() const {
        std::vector<std::string> names;
        const std::string prefix = "SCardConnectA(", suffix = ",3,0)";
        for (const std::string& call : machine.smartCard.calls)
            if (call.rfind(prefix, 0) == 0 && call.size() > prefix.size() + suffix.size() &&
                call.compare(call.size() - suffix.size(), suffix.size(), suffix) == 0)
                names.push_back(call.substr(prefix.size(), call.size() - prefix.size() - suffix.size()));
        return names;
    }
    int contextsEstablished() const {
        int count = 0;
        for (const std::string& call : machine.smartCard.calls) count += call.rfind("SCardEstablishContext", 0) == 0;
        return count;
    }

    platform::sim::SimMachine machine;
    GaugeState state;
};

}  // namespace gauge::fixture
