#pragma once
// A simulated machine with a TK560 description and readers known to the resource manager.
#include <string>
#include <vector>

#include "ProbeFixture.h"
#include "probe/reader/VendorRequests.h"

namespace probe::testing {

inline std::string versionReply(int driverMajor, int driverMinor, int firmwareMajor, int firmwareMinor) {
    return std::string{0, 0, 0, 0, char(driverMajor), char(driverMinor), char(firmwareMajor), char(firmwareMinor),
                       0, 0, 0, 0};
}

struct ReaderFixture : ProbeFixture {
    // Primary description: record 0 "TK560 USB" (pattern "TK560 USB") and record 1 "TK560 Serial"
    // (pattern "TK560 SERIAL"), both of ReaderType 1.
    ReaderFixture() {
        describe(0, "TK560 USB", "TK560 USB", "USB\\VID_2F1A&PID_C560", 1);
        describe(1, "TK560 Serial", "TK560 SERIAL", "SERENUM\\KVRC560", 1);
        d().readerRecordCount = d().primaryRecordCount = d().namePatternCount = 2;
    }

    ReaderDescription& d() { return session.state.description; }
    TestRun& run() { return session.state.run; }
    platform::sim::SimSmartCard& service() { return machine.smartCard; }

    void describe(int k, const std::string& name, const std::string& pattern, const std::string& hardwareId,
                  int type) {
        auto& record = d().records[static_cast<std::size_t>(k)];
        record.ReaderName = name;
        record.HardwareID = hardwareId;
        record.ReaderType = type;
        d().namePatterns[static_cast<std::size_t>(k)] = pattern;
    }

    // Adds a secondary description file with record 2 "TK160" (pattern "TK160").
    void addSecondary() {
        describe(2, "TK160", "TK160", "SERENUM\\KVRC160", 0);
        d().readerRecordCount = d().namePatternCount = 3;
        session.state.secondaryReaderName = "TK160";
    }

    // A reader that connects directly and answers the version request (and, with revision, the chip request).
    platform::sim::SimReader& reader(const std::string& name, const std::string& version = versionReply(2, 3, 5, 0x10),
                                     int chipByte = -1) {
        auto& r = service().addReader(name);
        r.replies[cardreader::kVersionRequestCode] = {platform::kScardSuccess, version, std::nullopt};
        if (chipByte >= 0)
            r.replies[cardreader::kChipRevisionRequestCode] = {platform::kScardSuccess,
                                                               std::string(1, char(chipByte)) + std::string(4, '\0'),
                                                               std::nullopt};
        return r;
    }

    // The lines the check added after the heading.
    std::vector<std::string> findings() {
        const auto& all = lines();
        return all.empty() ? all : std::vector<std::string>(all.begin() + 1, all.end());
    }
};

}  // namespace probe::testing
