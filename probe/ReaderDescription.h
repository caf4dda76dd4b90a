#pragma once
// What the tool knows about the readers it checks, filled from the description files.
#include <array>
#include <cstdint>
#include <string>

namespace probe {

constexpr int kMaxReaderRecords = 10;
constexpr int kMaxNamePatterns = 10;
constexpr int kMaxSystemFiles = 25;

struct ReaderRecord {
    std::int32_t ReaderType = 0;
    std::string ReaderName;      // at most 255 characters
    std::int32_t ReaderOsFamily = 0;
    std::string HardwareID;      // at most 511 characters
    std::array<std::string, 3> DriverFile;  // by OS family; at most 249 characters each
    std::string ServerNameW9x;   // at most 49 characters
};

struct ReaderDescription {
    std::array<ReaderRecord, kMaxReaderRecords> records;
    int readerRecordCount = 0;
    int primaryRecordCount = 0;
    std::array<std::string, kMaxNamePatterns> namePatterns;
    std::array<std::string, kMaxNamePatterns> displayNames;
    int namePatternCount = 0;
    std::array<std::string, kMaxSystemFiles> systemFiles;
    int systemFileCount = 0;
    std::string ctApiLibraryName;  // at most 255 characters
    bool hbciInstall = false;
};

}  // namespace probe
