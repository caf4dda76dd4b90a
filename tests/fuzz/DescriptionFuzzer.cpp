// libFuzzer target: one or two description files (the second after a line "====") loaded on the
// simulated machine's profile reader, then the limits of the description checked.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "DescriptionLoader.h"
#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimProfile.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkLimits(const probe::ReaderDescription& d) {
    require(d.readerRecordCount >= 0 && d.readerRecordCount <= probe::kMaxReaderRecords);
    require(d.namePatternCount >= 0 && d.namePatternCount <= probe::kMaxNamePatterns);
    require(d.systemFileCount >= 0 && d.systemFileCount <= probe::kMaxSystemFiles);
    for (const probe::ReaderRecord& r : d.records) {
        require(r.ReaderName.size() <= 255 && r.HardwareID.size() <= 511 && r.ServerNameW9x.size() <= 49);
        for (const std::string& driver : r.DriverFile) require(driver.size() <= 249);
    }
    for (const std::string& text : d.namePatterns) require(text.size() <= 255);
    for (const std::string& text : d.displayNames) require(text.size() <= 255);
    for (const std::string& text : d.systemFiles) require(text.size() <= 255);
    require(d.ctApiLibraryName.size() <= 255);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string separator = "\n====\n";
    const std::size_t split = input.find(separator);

    platform::sim::SimFileSystem files;
    platform::sim::SimProfile profile{files};
    probe::ReaderDescription description;
    files.addFile("C:\\TK560\\inst360.ini", input.substr(0, split));
    probe::loadDescription(description, profile, "C:\\TK560\\inst360.ini");
    description.primaryRecordCount = description.readerRecordCount;
    if (split != std::string::npos) {
        files.addFile("C:\\TK560\\inst160.ini", input.substr(split + separator.size()));
        probe::loadDescription(description, profile, "C:\\TK560\\inst160.ini");
    }
    checkLimits(description);
    return 0;
}
